#pragma once
// TForm11: the picture picker.

#include <QDialog>

class QLabel;
class QPushButton;
class FileListBox;

class TForm11 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm11(QWidget *parent = nullptr);

    // Points the picker at a folder. The folder already listed is not read
    // again and keeps its selection; another is listed afresh with nothing
    // selected. A folder that does not exist (the listed one included, should
    // it have vanished) is an error naming it, and the picker stays as it was.
    void setFolder(const QString &folder);
    QString folder() const;

    // The choice of the last showing: the selected row (-1 for none), its
    // name and its full path (empty when none).
    int itemIndex() const;
    QString fileName() const;
    QString filePath() const;

    FileListBox *FileListBox1;
    QLabel *Image1;
    QPushButton *Button1;
    QPushButton *Button2;

public slots:
    void FileListBox1Click();
    void Button1Click();
    void Button2Click();
};

extern TForm11 *Form11;
