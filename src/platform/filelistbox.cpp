#include "filelistbox.h"

#include "catalog/error.h"
#include "files.h"

#include <QDir>
#include <QFileInfo>

FileListBox::FileListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void FileListBox::setDirectory(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        throw IpcatError(
            QStringLiteral("Папка \"%1\" не найдена.").arg(QDir::toNativeSeparators(folder)));
    m_directory = folder;
    if (!m_directory.isEmpty() && !m_directory.endsWith(u'/') && !m_directory.endsWith(u'\\'))
        m_directory += u'/';
    fill();
}

void FileListBox::setMask(const QString &mask)
{
    m_mask = mask;
    if (!m_directory.isEmpty())
        fill();
}

void FileListBox::update()
{
    if (!QFileInfo(m_directory).isDir())
        throw IpcatError(
            QStringLiteral("Папка \"%1\" не найдена.").arg(QDir::toNativeSeparators(m_directory)));
    fill();
}

void FileListBox::fill()
{
    const QString selected = fileName();
    const QStringList names = listFiles(m_directory, m_mask);
    clear();
    addItems(names);
    if (!selected.isEmpty())
        setItemIndex(int(names.indexOf(selected)));
}

void FileListBox::setItemIndex(int index)
{
    if (index < 0 || index >= count()) {
        setCurrentRow(-1);
        clearSelection();
        return;
    }
    setCurrentRow(index);
}

int FileListBox::itemIndex() const
{
    const QListWidgetItem *item = currentItem();
    return item && item->isSelected() ? currentRow() : -1;
}

QString FileListBox::fileName() const
{
    const QListWidgetItem *item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

QString FileListBox::filePath() const
{
    const QString name = fileName();
    return name.isEmpty() ? QString() : m_directory + name;
}
