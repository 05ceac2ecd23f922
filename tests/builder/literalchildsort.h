#pragma once
// "Сортировать дочерние" done step by step as the command was first written:
// slow, and kept only as the reference the program's order must match.

#include "catalog/nodetext.h"
#include "catalog/strtoint.h"

#include <QStringList>
#include <numeric>
#include <vector>

// The new order of the children as indexes into `texts`.
inline std::vector<int> literalChildOrder(const QStringList &texts)
{
    const int n = int(texts.size());
    std::vector<int> numbers;
    for (const QString &text : texts)
        numbers.push_back(StrToInt(NodeField(text, 1)));

    for (int i = 1; i <= n; ++i) {
        for (int j = 0; j <= n - i - 1; ++j) {
            if (numbers[size_t(j + 1)] < numbers[size_t(j)])
                std::swap(numbers[size_t(j)], numbers[size_t(j + 1)]);
        }
    }

    QStringList moves;
    for (int v : numbers) {
        for (const QString &text : texts) {
            if (QString::number(v) == NodeField(text, 1))
                moves.append(text);
        }
    }

    std::vector<int> children(static_cast<size_t>(n));
    std::iota(children.begin(), children.end(), 0);
    for (const QString &text : moves) {
        const int m = int(children.size());
        for (int j = 0; j < m; ++j) {
            if (texts[children[size_t(j)]] == text) {
                const int child = children[size_t(j)];
                children.erase(children.begin() + j);
                children.push_back(child);
            }
        }
    }
    return children;
}
