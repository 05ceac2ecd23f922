#pragma once
// A list box of the files of one folder that match a mask, sorted by name.

#include <QListWidget>
#include <QString>

class FileListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit FileListBox(QWidget *parent = nullptr);

    QString directory() const { return m_directory; }
    // Points the list at a folder and reads it; a missing folder is an error
    // naming it, and the list stays as it was.
    void setDirectory(const QString &folder);

    QString mask() const { return m_mask; }
    void setMask(const QString &mask);

    // Reads the folder again, keeping the selected name when it is still there.
    void update();

    // The selected row, -1 when nothing is selected.
    int itemIndex() const;
    void setItemIndex(int index);
    // The selected name, empty when nothing is selected.
    QString fileName() const;
    // Folder + selected name, empty when nothing is selected.
    QString filePath() const;

private:
    void fill();

    QString m_directory;
    QString m_mask = QStringLiteral("*");
};
