// The photo-upload page's "Contents to Upload": the list of chosen files and folders with the
// titles, descriptions and exclusions typed while browsing them, the file table that shows and
// browses that list, and the preview picture of the current row.

#include "CVorkWindowPhotoUpload.h"

#include <QAbstractItemView>
#include <QBrush>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QLocale>
#include <QPixmap>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>

#include "CImageConverter.h"
#include "CUploadManager.h"
#include "CVideoConverter.h"
#include "FileInfoTableItem.h"
#include "PhotoWorkFolder.h"
#include "StringTable.h"
#include "VorkDebug.h"

namespace {

const char kSource[] = "src/PhotoUploader/CVorkWindowPhotoUpload";

// Type codes of the file table's Type cell.
enum FileTypeCode {
    TypeFolder = 0,
    TypePhoto = 1,
    TypeVideo = 2,
    TypeOther = 3,
};

// Columns of the file table.
enum Column {
    ColName = 0,
    ColType = 1,
    ColTitle = 2,
    ColDesc = 3,
    ColSize = 4,
    ColTime = 5,
    ColumnCount = 6,
};

const int PreviewDelayMs = 300;

const char kOpenDirKey[] = "open_dir_path";
const char kSkipHiddenKey[] = "skip_upload_hidden_file_checked";
const char kOnlyIndexableKey[] = "only_upload_indexable_file_checked";

// Entries of a folder as the list and the table take them: no symbolic links, hidden ones
// included, folders first and then by name.
const QDir::Filters kFolderEntryFilters =
    QDir::Dirs | QDir::Files | QDir::Drives | QDir::NoSymLinks | QDir::Hidden | QDir::NoDotAndDotDot;
const QDir::SortFlags kFolderEntrySort = QDir::DirsFirst | QDir::Name;

// A path from a file dialog in the composed normalization form (NFC). Linux file names are
// bytes, so a name written in decomposed form exists only as it stands: when the composed
// form names no file but the given one does, the given path is kept.
QString composedPath(const QString &path)
{
    const QString composed = path.normalized(QString::NormalizationForm_C);
    if (composed == path || QFileInfo::exists(composed) || !QFileInfo::exists(path))
        return composed;
    return path;
}

// The folder in which the next file or folder dialog opens.
QString dialogStartFolder()
{
    QSettings settings;
    settings.beginGroup(CVorkWindowPhotoUpload::strSettingsGroup);
    const QString folder = settings.contains(QLatin1String(kOpenDirKey))
                               ? settings.value(QLatin1String(kOpenDirKey)).toString()
                               : QDir::homePath();
    settings.endGroup();
    return folder;
}

void storeDialogStartFolder(const QString &folder)
{
    QSettings settings;
    settings.beginGroup(CVorkWindowPhotoUpload::strSettingsGroup);
    settings.setValue(QLatin1String(kOpenDirKey), folder);
    settings.endGroup();
}

// The parent folder of `path`, worked out on the text alone, so that it is found also when
// the folders on the way no longer exist.
QString parentFolderPath(const QString &path)
{
    return QDir::cleanPath(path + QLatin1String("/.."));
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Set-up

void CVorkWindowPhotoUpload::initFileTypeNames()
{
    m_hashFileTypeNames.insert(TypeFolder, getString(IDS_PHOTO_TYPE_FOLDER));
    m_hashFileTypeNames.insert(TypePhoto, getString(IDS_PHOTO_TYPE_PHOTO));
    m_hashFileTypeNames.insert(TypeVideo, getString(IDS_PHOTO_TYPE_VIDEO));
    m_hashFileTypeNames.insert(TypeOther, getString(IDS_PHOTO_TYPE_OTHER));

    m_hashFileTypeIcons.insert(TypeFolder, QIcon(QStringLiteral(":/images/icon_photo_folder.png")));
    m_hashFileTypeIcons.insert(TypePhoto, QIcon(QStringLiteral(":/images/icon_photo_photo.png")));
    m_hashFileTypeIcons.insert(TypeVideo, QIcon(QStringLiteral(":/images/icon_photo_video.gif")));
    m_hashFileTypeIcons.insert(TypeOther, QIcon(QStringLiteral(":/images/icon_photo_other.png")));

    // The upload worker owns the file-type sets; one that is never started answers.
    const CUploadManager fileTypes(nullptr, nullptr, nullptr, QString(), nullptr, nullptr, nullptr, false, false,
                                   QList<uint>(), 0, nullptr, nullptr, nullptr);
    for (const QString &suffix : fileTypes.getSupportedSuffixes())
        m_hashSuffixTypeCodes.insert(suffix.toLower(), fileTypes.getSupportedFileType(suffix));
}

void CVorkWindowPhotoUpload::getFileDialogFilter()
{
    const CUploadManager fileTypes(nullptr, nullptr, nullptr, QString(), nullptr, nullptr, nullptr, false, false,
                                   QList<uint>(), 0, nullptr, nullptr, nullptr);
    auto patterns = [](const QStringList &suffixes) {
        QString text;
        for (const QString &suffix : suffixes)
            text += QStringLiteral("*.") + suffix + QLatin1Char(' ');
        return text;
    };
    m_strFileDialogFilter = QStringLiteral("All supported formats(") + patterns(fileTypes.getSupportedSuffixes()) +
                            QStringLiteral(");;Image formats(") + patterns(fileTypes.getSupportedPhotoSuffixes()) +
                            QStringLiteral(");;Video formats(") + patterns(fileTypes.getSupportedVideoSuffixes()) +
                            QStringLiteral(");;All files(*)");
}

void CVorkWindowPhotoUpload::initFileTableHeader()
{
    QTableWidget *table = m_ptblwFileListTable;
    table->setColumnCount(ColumnCount);
    table->setHorizontalHeaderLabels({getString(IDS_PHOTO_TABLE_FILE_NAME), getString(IDS_PHOTO_TABLE_FILE_TYPE),
                                      getString(IDS_PHOTO_TABLE_TITLE), getString(IDS_PHOTO_TABLE_DESC),
                                      getString(IDS_PHOTO_TABLE_SIZE), getString(IDS_PHOTO_TABLE_MODTIME)});
}

void CVorkWindowPhotoUpload::loadFileFilterOptions()
{
    QSettings settings;
    settings.beginGroup(strSettingsGroup);
    const struct {
        const char *key;
        QCheckBox *box;
    } options[] = {
        {kOnlyIndexableKey, m_pcboxOnlyIdxableFile},
        {kSkipHiddenKey, m_pcboxNotUploadHidden},
    };
    for (const auto &option : options) {
        const QString key = QLatin1String(option.key);
        if (!settings.contains(key))
            settings.setValue(key, true);
        option.box->setChecked(settings.value(key).toBool());
    }
    settings.endGroup();
}

// ---------------------------------------------------------------------------------------------
// File list

QString CVorkWindowPhotoUpload::itemKey(const QString &strAbsolutePath) const
{
    return QString::number(m_iFolderLevel) + QLatin1Char('_') + strAbsolutePath;
}

int CVorkWindowPhotoUpload::fileTypeCode(const QFileInfo &info) const
{
    if (info.isDir())
        return TypeFolder;
    return m_hashSuffixTypeCodes.value(info.suffix().toLower(), TypeOther);
}

void CVorkWindowPhotoUpload::slotPhotoFileAddClicked()
{
    QFileDialog dialog(this, getString(IDS_PHOTO_LBL_SELECT_FILE), dialogStartFolder(), m_strFileDialogFilter);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setFilter(QDir::Dirs | QDir::Files | QDir::Drives | QDir::Hidden | QDir::AllDirs |
                     QDir::NoDotAndDotDot);
    QStringList files;
    if (dialog.exec() == QDialog::Accepted) {
        for (const QString &file : dialog.selectedFiles())
            files << composedPath(file);
    }

    setCursor(Qt::WaitCursor);
    if (!files.isEmpty()) {
        addFilesToList(&files);
        storeDialogStartFolder(QFileInfo(files.first()).absolutePath());
    }
    setCursor(Qt::ArrowCursor);
}

void CVorkWindowPhotoUpload::slotPhotoFolderAddClicked()
{
    QString folder = QFileDialog::getExistingDirectory(this, getString(IDS_PHOTO_LBL_SELECT_FOLDER),
                                                       dialogStartFolder(), QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        folder = composedPath(folder);

    setCursor(Qt::WaitCursor);
    if (!folder.isEmpty()) {
        addFolderToList(QDir(folder).absolutePath());
        storeDialogStartFolder(folder);
    }
    setCursor(Qt::ArrowCursor);
}

void CVorkWindowPhotoUpload::addFilesToList(QStringList *plstFiles)
{
    if (!plstFiles || plstFiles->isEmpty())
        return;
    for (const QString &path : qAsConst(*plstFiles)) {
        const QFileInfo info(path);
        if (!info.exists())
            continue;
        const QString absolutePath = info.absoluteFilePath();
        if (m_hashFileIndexes.contains(absolutePath))
            continue;
        QStandardItem *item = new QStandardItem(absolutePath);
        m_fileModel.appendRow(item);
        m_hashFileIndexes.insert(absolutePath, QPersistentModelIndex(item->index()));
        fillFileTable(info);
    }
    fitTableColumns();
}

void CVorkWindowPhotoUpload::addFolderToList(const QString &strFolderPath)
{
    const QFileInfo folder(strFolderPath);
    if (!folder.exists() || m_hashFileIndexes.contains(folder.absoluteFilePath()))
        return;

    QStringList entries;
    if (folder.isRoot()) {
        // The whole file system is not one entry: its top folders and files are.
        const QFileInfoList list = QDir(strFolderPath).entryInfoList(kFolderEntryFilters, kFolderEntrySort);
        for (const QFileInfo &entry : list)
            entries << entry.absoluteFilePath();
    } else {
        entries << folder.absoluteFilePath();
    }
    for (const QString &path : qAsConst(entries)) {
        if (m_hashFileIndexes.contains(path))
            continue;
        QStandardItem *item = new QStandardItem(path);
        m_fileModel.appendRow(item);
        m_hashFileIndexes.insert(path, QPersistentModelIndex(item->index()));
        fillFileTable(QFileInfo(path));
    }
    fitTableColumns();
}

void CVorkWindowPhotoUpload::addDroppedUrls(const QList<QUrl> &urls)
{
    QStringList files;
    for (const QUrl &url : urls) {
        const QString path = url.toLocalFile();
        if (path.isEmpty())
            continue;
        const QFileInfo info(path);
        if (info.isDir())
            addFolderToList(QDir(path).absolutePath());
        else
            files << info.absoluteFilePath();
    }
    if (!files.isEmpty())
        addFilesToList(&files);
}

void CVorkWindowPhotoUpload::slotPhotoRemoveClicked()
{
    setCursor(Qt::WaitCursor);
    if (m_iFolderLevel != 0)
        removeSelectedFolderRows();
    else
        removeSelectedTopRows();
    if (m_ptblwFileListTable->rowCount() == 0)
        showThumbnailText(IDS_PHOTO_THUMB_TEXT_INIT);
    setCursor(Qt::ArrowCursor);
}

void CVorkWindowPhotoUpload::removePreviewCacheBelow(const QString &strPathPrefix)
{
    for (auto it = m_hashPreviewThumbs.begin(); it != m_hashPreviewThumbs.end();) {
        if (it.key().startsWith(strPathPrefix))
            it = m_hashPreviewThumbs.erase(it);
        else
            ++it;
    }
}

void CVorkWindowPhotoUpload::removeSelectedTopRows()
{
    QTableWidget *table = m_ptblwFileListTable;
    const QList<QTableWidgetItem *> selected = table->selectedItems();
    if (selected.isEmpty())
        return;

    QList<int> rows;
    for (QTableWidgetItem *item : selected) {
        if (item->column() != ColName)
            continue;
        const int row = item->row();
        const QString path = item->data(Qt::UserRole).toString();

        const QPersistentModelIndex index = m_hashFileIndexes.value(path);
        if (index.isValid())
            m_fileModel.removeRow(index.row(), index.parent());
        const QString key = itemKey(path);
        m_hashCustomTitles.remove(key);
        m_hashCustomDescs.remove(key);
        m_hashPreviewThumbs.remove(path);
        m_hashFileIndexes.remove(path);

        const QTableWidgetItem *typeItem = table->item(row, ColType);
        if (typeItem && typeItem->data(Qt::UserRole).toInt() == TypeFolder) {
            removeFolderSubItemKeys(path);
            removePreviewCacheBelow(path);
        }
        if (!rows.contains(row))
            rows << row;
    }

    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int row : qAsConst(rows))
        table->removeRow(row);
}

void CVorkWindowPhotoUpload::removeFolderSubItemKeys(const QString &strFolderPath)
{
    QStringList keys = m_hashCustomTitles.keys();
    keys += m_hashCustomDescs.keys();
    keys += m_hashExcludedPaths.keys();

    const QString folder = strFolderPath.toUpper();
    QStringList marked;
    for (const QString &key : qAsConst(keys)) {
        const int separator = key.indexOf(QLatin1Char('_'));
        if (separator < 0)
            continue;
        const QString depthText = key.left(separator);
        if (depthText == QLatin1String("0"))
            continue;
        const QString path = key.mid(separator + 1);
        // The top-level folder under which the key was made: the entry's folder, moved up one
        // level less than the depth.
        QString parent = QFileInfo(path).absolutePath();
        const int depth = depthText.toInt();
        for (int level = 1; level < depth; ++level)
            parent = parentFolderPath(parent);
        const QString parentUpper = QDir(parent).absolutePath().toUpper();
        VORK_DEBUG_STR(kSource, "dirParent.absolutePath().toUpper()", parentUpper);
        VORK_DEBUG_STR(kSource, "strFolderPath.toUpper()", folder);
        if (parentUpper == folder)
            marked << key;
    }
    for (const QString &key : qAsConst(marked)) {
        m_hashCustomTitles.remove(key);
        m_hashCustomDescs.remove(key);
        m_hashExcludedPaths.remove(key);
    }
}

void CVorkWindowPhotoUpload::removeSelectedFolderRows()
{
    QTableWidget *table = m_ptblwFileListTable;
    const QList<QTableWidgetItem *> selected = table->selectedItems();
    QList<int> rows;
    for (QTableWidgetItem *item : selected) {
        if (item->column() != ColName)
            continue;
        const QString path = item->data(Qt::UserRole).toString();
        const QString key = itemKey(path);
        m_hashExcludedPaths.insert(key, true);
        m_hashCustomTitles.remove(key);
        m_hashCustomDescs.remove(key);
        m_hashPreviewThumbs.remove(path);
        if (QFileInfo(path).isDir())
            removePreviewCacheBelow(path);
        if (!rows.contains(item->row()))
            rows << item->row();
    }
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int row : qAsConst(rows))
        table->removeRow(row);
}

void CVorkWindowPhotoUpload::clearFileList()
{
    m_fileModel.clear();
    m_hashCustomTitles.clear();
    m_hashCustomDescs.clear();
    m_hashExcludedPaths.clear();
    m_hashFileIndexes.clear();
    m_hashPreviewThumbs.clear();
    m_ptblwFileListTable->setRowCount(0);
    while (m_iFolderLevel > 0)
        leaveFolderLevel();
    showThumbnailText(IDS_PHOTO_THUMB_TEXT_INIT);
}

// ---------------------------------------------------------------------------------------------
// File table

void CVorkWindowPhotoUpload::setCellChangeTracking(bool blOn)
{
    // The form connects the table's cellChanged to the edit recorder; rows built or restyled by
    // the page are not the user's edits.
    if (blOn)
        connect(m_ptblwFileListTable, SIGNAL(cellChanged(int,int)), this, SLOT(slotTableCellChanged(int,int)),
                Qt::UniqueConnection);
    else
        disconnect(m_ptblwFileListTable, SIGNAL(cellChanged(int,int)), this, SLOT(slotTableCellChanged(int,int)));
}

void CVorkWindowPhotoUpload::fillFileTable(const QFileInfo &info)
{
    if (!info.exists())
        return;

    const QString path = info.absoluteFilePath();
    const int type = fileTypeCode(info);
    const QString key = itemKey(path);

    QString title;
    QString description;
    qint64 size = 0;
    QString sizeText = QStringLiteral("0");
    if (type != TypeFolder) {
        if (m_hashCustomTitles.contains(key))
            title = m_hashCustomTitles.value(key);
        else if (type == TypePhoto || type == TypeVideo)
            title = info.baseName();
        description = m_hashCustomDescs.value(key);
        size = info.size();
        sizeText = size > 1024 ? QString::number(size / 1024) + QStringLiteral(" KB") : QString::number(size);
    }
    const QDateTime modified = info.lastModified();

    QTableWidgetItem *nameItem = new QTableWidgetItem(info.fileName());
    nameItem->setData(Qt::UserRole, path);
    QTableWidgetItem *typeItem = new FileInfoTableItem(m_hashFileTypeNames.value(type), FileInfoTableItem::TypeItem);
    typeItem->setData(Qt::UserRole, type);
    QTableWidgetItem *titleItem = new QTableWidgetItem(title);
    QTableWidgetItem *descItem = new QTableWidgetItem(description);
    QTableWidgetItem *sizeItem = new FileInfoTableItem(sizeText, FileInfoTableItem::SizeItem);
    sizeItem->setData(Qt::UserRole, size);
    QTableWidgetItem *timeItem = new FileInfoTableItem(
        QStringLiteral("  ") + QLocale::system().toString(modified, QLocale::ShortFormat), FileInfoTableItem::TimeItem);
    timeItem->setData(Qt::UserRole, modified);

    QTableWidget *table = m_ptblwFileListTable;
    const int row = table->rowCount();
    table->insertRow(row);
    const bool sorted = isFileTableSorted();
    if (sorted)
        table->setSortingEnabled(false);

    setCellChangeTracking(false);
    table->setItem(row, ColName, nameItem);
    table->setItem(row, ColType, typeItem);
    table->setItem(row, ColTitle, titleItem);
    table->setItem(row, ColDesc, descItem);
    table->setItem(row, ColSize, sizeItem);
    table->setItem(row, ColTime, timeItem);
    setRowTypeAppearance(row, type, info.isHidden());
    setCellChangeTracking(true);

    // Sorting again puts the new row into its sorted place.
    if (sorted)
        table->setSortingEnabled(true);
}

void CVorkWindowPhotoUpload::setRowEditable(int iRow)
{
    QTableWidget *table = m_ptblwFileListTable;
    for (int column = 0; column < table->columnCount(); ++column) {
        QTableWidgetItem *item = table->item(iRow, column);
        if (!item)
            continue;
        Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
        if (column == ColTitle || column == ColDesc)
            flags |= Qt::ItemIsEditable;
        item->setFlags(flags);
        item->setForeground(QBrush(Qt::black, Qt::SolidPattern));
    }
}

void CVorkWindowPhotoUpload::setRowReadOnly(int iRow)
{
    QTableWidget *table = m_ptblwFileListTable;
    for (int column = 0; column < table->columnCount(); ++column) {
        if (QTableWidgetItem *item = table->item(iRow, column)) {
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            item->setForeground(QBrush(Qt::black, Qt::SolidPattern));
        }
    }
}

void CVorkWindowPhotoUpload::setRowDisabled(int iRow)
{
    QTableWidget *table = m_ptblwFileListTable;
    for (int column = 0; column < table->columnCount(); ++column) {
        if (QTableWidgetItem *item = table->item(iRow, column)) {
            item->setFlags(Qt::NoItemFlags);
            item->setForeground(QBrush(Qt::gray, Qt::SolidPattern));
        }
    }
}

void CVorkWindowPhotoUpload::setRowTypeAppearance(int iRow, int iType, bool blHidden)
{
    QTableWidget *table = m_ptblwFileListTable;
    if (QTableWidgetItem *name = table->item(iRow, ColName)) {
        const int iconType = (iType == TypeFolder || iType == TypePhoto || iType == TypeVideo) ? iType : TypeOther;
        name->setIcon(m_hashFileTypeIcons.value(iconType));
    }
    if (QTableWidgetItem *size = table->item(iRow, ColSize))
        size->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);

    if (m_pcboxNotUploadHidden->isChecked() && blHidden)
        setRowDisabled(iRow);
    else if (m_pcboxOnlyIdxableFile->isChecked() && iType == TypeOther)
        setRowDisabled(iRow);
    else if (iType == TypeOther)
        setRowReadOnly(iRow);
    else if (iType == TypePhoto || iType == TypeVideo)
        setRowEditable(iRow);
    else if (iType == TypeFolder)
        setRowReadOnly(iRow);
}

void CVorkWindowPhotoUpload::applyFileFilters()
{
    QTableWidget *table = m_ptblwFileListTable;
    if (table->rowCount() == 0)
        return;
    const bool sorted = isFileTableSorted();
    if (sorted)
        table->setSortingEnabled(false);
    setCellChangeTracking(false);
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem *typeItem = table->item(row, ColType);
        const QTableWidgetItem *nameItem = table->item(row, ColName);
        if (!typeItem || !nameItem)
            continue;
        setRowTypeAppearance(row, typeItem->data(Qt::UserRole).toInt(),
                             QFileInfo(nameItem->data(Qt::UserRole).toString()).isHidden());
    }
    setCellChangeTracking(true);
    if (sorted)
        table->setSortingEnabled(true);
}

void CVorkWindowPhotoUpload::slotNotUploadHiddenToggled(bool blChecked)
{
    QSettings settings;
    settings.beginGroup(strSettingsGroup);
    settings.setValue(QLatin1String(kSkipHiddenKey), blChecked);
    settings.endGroup();
    applyFileFilters();
}

void CVorkWindowPhotoUpload::slotOnlyIdxableFileToggled(bool blChecked)
{
    QSettings settings;
    settings.beginGroup(strSettingsGroup);
    settings.setValue(QLatin1String(kOnlyIndexableKey), blChecked);
    settings.endGroup();
    applyFileFilters();
}

void CVorkWindowPhotoUpload::slotTableCellChanged(int iRow, int iColumn)
{
    if (iColumn != ColTitle && iColumn != ColDesc)
        return;
    QTableWidget *table = m_ptblwFileListTable;
    const QTableWidgetItem *nameItem = table->item(iRow, ColName);
    const QTableWidgetItem *changed = table->item(iRow, iColumn);
    if (!nameItem || !changed)
        return;
    const QString key = itemKey(nameItem->data(Qt::UserRole).toString());
    if (iColumn == ColTitle)
        m_hashCustomTitles.insert(key, changed->text());
    else
        m_hashCustomDescs.insert(key, changed->text());
}

void CVorkWindowPhotoUpload::slotFileListTableHeaderClicked(int)
{
    const QList<QTableWidgetItem *> selected = m_ptblwFileListTable->selectedItems();
    if (!selected.isEmpty())
        m_ptblwFileListTable->scrollToItem(selected.first(), QAbstractItemView::EnsureVisible);
}

void CVorkWindowPhotoUpload::slotTableCellDoubleClicked(int iRow, int)
{
    QTableWidget *table = m_ptblwFileListTable;
    const QTableWidgetItem *typeItem = table->item(iRow, ColType);
    const QTableWidgetItem *nameItem = table->item(iRow, ColName);
    if (!typeItem || !nameItem || typeItem->data(Qt::UserRole).toInt() != TypeFolder)
        return;
    const QString path = nameItem->data(Qt::UserRole).toString();
    if (!QFileInfo(path).isDir())
        return;
    setCursor(Qt::WaitCursor);
    enterFolderLevel();
    showFolderInTable(QDir(path));
    setCursor(Qt::ArrowCursor);
}

void CVorkWindowPhotoUpload::showFolderInTable(const QDir &dir)
{
    if (!dir.exists())
        return;
    m_strCurrentFolder = dir.absolutePath();
    QTableWidget *table = m_ptblwFileListTable;
    table->clearContents();
    table->setRowCount(0);
    const QFileInfoList entries = dir.entryInfoList(kFolderEntryFilters, kFolderEntrySort);
    for (const QFileInfo &entry : entries) {
        if (!m_hashExcludedPaths.contains(itemKey(entry.absoluteFilePath())))
            fillFileTable(entry);
    }
    if (!entries.isEmpty())
        fitTableColumns();
}

void CVorkWindowPhotoUpload::refillTopLevelTable()
{
    QTableWidget *table = m_ptblwFileListTable;
    table->clearContents();
    table->setRowCount(0);
    for (int row = 0; row < m_fileModel.rowCount(); ++row) {
        const QStandardItem *item = m_fileModel.item(row, 0);
        if (item)
            fillFileTable(QFileInfo(item->text()));
    }
    fitTableColumns();
}

void CVorkWindowPhotoUpload::slotBackToParentClicked()
{
    setCursor(Qt::WaitCursor);
    if (m_iFolderLevel == 1) {
        leaveFolderLevel();
        refillTopLevelTable();
    } else if (m_iFolderLevel > 1) {
        QDir qdirDir(m_strCurrentFolder);
        VORK_DEBUG_STR(kSource, "qdirDir.absolutePath()", qdirDir.absolutePath());
        if (qdirDir.cdUp()) {
            VORK_DEBUG_STR(kSource, "qdirDir.absolutePath()", qdirDir.absolutePath());
            leaveFolderLevel();
            showFolderInTable(qdirDir);
        }
    }
    showThumbnailText(IDS_PHOTO_THUMB_TEXT_INIT);
    setCursor(Qt::ArrowCursor);
}

void CVorkWindowPhotoUpload::fitTableColumns()
{
    QTableWidget *table = m_ptblwFileListTable;
    QHeaderView *header = table->horizontalHeader();
    // The header stays hidden until the first row arrives and is then never hidden again.
    if (table->rowCount() > 0 && header->isHidden())
        header->show();
    table->resizeColumnsToContents();

    const int width = table->width();
    int columnsWidth = 0;
    for (int column = 0; column < table->columnCount(); ++column)
        columnsWidth += table->columnWidth(column);
    if (width <= columnsWidth)
        return;
    const QScrollBar *scrollBar = table->verticalScrollBar();
    const int scrollBarWidth = scrollBar->isVisible() ? scrollBar->width() : 0;
    const int spare = width - table->verticalHeader()->width() - scrollBarWidth - 1 - columnsWidth;
    const int grow = spare / ColumnCount;
    for (int column = 0; column < table->columnCount(); ++column)
        table->setColumnWidth(column, table->columnWidth(column) + grow);
}

void CVorkWindowPhotoUpload::slotTableCurrentCellChanged(int iCurRow, int iCurColumn, int iPreRow, int)
{
    if (iCurRow < 0 || iCurColumn < 0 || iCurRow == iPreRow)
        return;
    ++m_iUIPreviewReqID;
    showThumbnailText(IDS_PHOTO_THUMB_TEXT_INIT);
    if (m_ptmrUIPreview->isActive())
        m_ptmrUIPreview->stop();
    m_ptmrUIPreview->start(PreviewDelayMs);
}

void CVorkWindowPhotoUpload::slotSplitterMoved(int, int)
{
    if (m_plblThumbnail->pixmap(Qt::ReturnByValue).isNull())
        return;
    QPixmap picture;
    if (!picture.load(m_strUIPreviewThumbPath))
        return;
    m_plblThumbnail->setPixmap(
        picture.scaled(m_plblThumbnail->size(), Qt::KeepAspectRatio, Qt::FastTransformation));
}

// ---------------------------------------------------------------------------------------------
// Previews

void CVorkWindowPhotoUpload::showThumbnailText(int iText)
{
    m_plblThumbnail->clear();
    m_plblThumbnail->setText(getString(iText));
}

void CVorkWindowPhotoUpload::slotProcessUIPreview()
{
    QTableWidget *table = m_ptblwFileListTable;
    const int row = table->currentRow();
    if (row < 0)
        return;
    const QTableWidgetItem *nameItem = table->item(row, ColName);
    const QTableWidgetItem *typeItem = table->item(row, ColType);
    if (!nameItem || !typeItem)
        return;
    const QString path = nameItem->data(Qt::UserRole).toString();

    if (m_hashPreviewThumbs.contains(path)) {
        const QString thumb = m_hashPreviewThumbs.value(path);
        QImage picture;
        if (picture.load(thumb) && QFileInfo(path).lastModified() < QFileInfo(thumb).lastModified()) {
            slotUIPreviewThumbReady(thumb, m_iUIPreviewReqID);
            return;
        }
    }

    const QString workFolder = PhotoWorkFolder::prepare();
    if (workFolder.isEmpty()) {
        // No private folder for the picture.
        showThumbnailText(IDS_PHOTO_THUMB_TEXT_ERROR);
        return;
    }

    QThread *started = nullptr;
    const int type = typeItem->data(Qt::UserRole).toInt();
    if (type == TypePhoto) {
        if (m_pUIPreviewImageConverter) {
            if (m_pUIPreviewImageConverter->isRunning())
                m_pUIPreviewImageConverter->terminate();
            if (!m_pUIPreviewImageConverter->isFinished())
                m_pUIPreviewImageConverter->terminate();
        }
        m_pUIPreviewImageConverter = new CImageConverter(path, workFolder, true, m_iUIPreviewReqID);
        connect(m_pUIPreviewImageConverter, &CImageConverter::signalPhotoBigThumbReady, this,
                &CVorkWindowPhotoUpload::slotUIPreviewThumbReady);
        connect(m_pUIPreviewImageConverter, &CImageConverter::signalPhotoConvertError, this,
                &CVorkWindowPhotoUpload::slotUIPreviewConvertError);
        started = m_pUIPreviewImageConverter;
    } else if (type == TypeVideo) {
        if (m_pUIPreviewVideoConverter) {
            if (m_pUIPreviewVideoConverter->isRunning())
                m_pUIPreviewVideoConverter->terminate();
            if (!m_pUIPreviewVideoConverter->isFinished())
                m_pUIPreviewVideoConverter->terminate();
        }
        m_pUIPreviewVideoConverter =
            new CVideoConverter(this, path, workFolder, QList<uint>(), true, m_iUIPreviewReqID);
        connect(m_pUIPreviewVideoConverter, &CVideoConverter::signalVideoBigThumbReady, this,
                &CVorkWindowPhotoUpload::slotUIPreviewThumbReady);
        connect(m_pUIPreviewVideoConverter, &CVideoConverter::signalVideoConvertError, this,
                &CVorkWindowPhotoUpload::slotUIPreviewConvertError);
        started = m_pUIPreviewVideoConverter;
    } else {
        showThumbnailText(IDS_PHOTO_THUMB_TEXT_INIT);
        return;
    }

    // A finished converter is released; until then the page knows it, so that it can stop it
    // and wait for it when the page goes away.
    m_setUIPreviewConverters.insert(started);
    connect(started, &QThread::finished, this, &CVorkWindowPhotoUpload::slotUIPreviewConverterFinished);
    started->start(QThread::InheritPriority);
    showThumbnailText(IDS_PHOTO_THUMB_TEXT_GENERATING);
}

void CVorkWindowPhotoUpload::slotUIPreviewConverterFinished()
{
    QThread *thread = qobject_cast<QThread *>(sender());
    if (!thread || !m_setUIPreviewConverters.remove(thread))
        return;
    if (thread == m_pUIPreviewImageConverter)
        m_pUIPreviewImageConverter = nullptr;
    if (thread == m_pUIPreviewVideoConverter)
        m_pUIPreviewVideoConverter = nullptr;
    thread->deleteLater();
}

void CVorkWindowPhotoUpload::stopUIPreviews()
{
    const QSet<QThread *> converters = m_setUIPreviewConverters;
    m_setUIPreviewConverters.clear();
    m_pUIPreviewImageConverter = nullptr;
    m_pUIPreviewVideoConverter = nullptr;
    // Each converter's destructor tells it to stop (its tool is killed at the next poll) and
    // waits for its thread.
    for (QThread *thread : converters) {
        thread->disconnect(this);
        delete thread;
    }
}

void CVorkWindowPhotoUpload::slotUIPreviewThumbReady(QString strThumbPath, uint iUIPreviewReqID)
{
    QTableWidget *table = m_ptblwFileListTable;
    const int row = table->currentRow();
    if (iUIPreviewReqID != m_iUIPreviewReqID || row < 0)
        return;

    QPixmap picture;
    if (!picture.load(strThumbPath)) {
        qDebug("%s", qPrintable(QStringLiteral("Load thumb fail. path=") + strThumbPath + QStringLiteral(" ReqId=") +
                                QString::number(iUIPreviewReqID)));
        slotUIPreviewConvertError(QString(), iUIPreviewReqID);
        return;
    }
    m_strUIPreviewThumbPath = strThumbPath;

    if (!m_bThumbAreaSized) {
        const int width = m_pgrpThumArea->width();
        const int height = width * 3 / 4;
        m_pgrpThumArea->resize(width, height);
        // The area is a pane of a splitter, which would give it its old height back at its next
        // layout; the splitter is told the new height, the other panes sharing the rest.
        if (QSplitter *panes = qobject_cast<QSplitter *>(m_pgrpThumArea->parentWidget())) {
            const int index = panes->indexOf(m_pgrpThumArea);
            QList<int> sizes = panes->sizes();
            if (index >= 0 && sizes.size() > 1 && panes->orientation() == Qt::Vertical) {
                int total = 0;
                for (int size : qAsConst(sizes))
                    total += size;
                const int rest = qMax(0, total - height);
                const int others = sizes.size() - 1;
                for (int i = 0, n = 0; i < sizes.size(); ++i) {
                    if (i == index)
                        continue;
                    sizes[i] = rest / others + (n++ < rest % others ? 1 : 0);
                }
                sizes[index] = total - rest;
                panes->setSizes(sizes);
            }
        }
        m_bThumbAreaSized = true;
    }
    m_plblThumbnail->setPixmap(picture.scaled(m_plblThumbnail->size(), Qt::KeepAspectRatio, Qt::FastTransformation));

    if (const QTableWidgetItem *nameItem = table->item(row, ColName)) {
        const QString path = nameItem->data(Qt::UserRole).toString();
        if (!m_hashPreviewThumbs.contains(path))
            m_hashPreviewThumbs.insert(path, strThumbPath);
    }
}

void CVorkWindowPhotoUpload::slotUIPreviewConvertError(QString, uint iUIPreviewReqID)
{
    if (iUIPreviewReqID == m_iUIPreviewReqID)
        showThumbnailText(IDS_PHOTO_THUMB_TEXT_ERROR);
}
