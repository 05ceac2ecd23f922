#pragma once
// A catalogue entry and its one-line node text: five fields, each followed by "|".

#include <QString>

struct TArtData {
    int Id = 0;
    QString Designation;
    QString Name;
    int Kind = 0;
    QString Position;
    QString Quantity;
    QString UnitName;
};

QString MakeNodeText(const QString &position, const QString &designation, const QString &name,
                     const QString &quantity, const QString &unitName);

// Field 1 to 5 of a node text; a field that no "|" follows reads as empty.
QString NodeField(const QString &nodeText, int field);

// The file-name stem of a designation: "/", "\" and "|" become "_".
QString Renfile(const QString &text);
