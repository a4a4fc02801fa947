#ifndef FILEINFOTABLEITEM_H
#define FILEINFOTABLEITEM_H

#include <QString>
#include <QTableWidgetItem>

// A cell of the photo-upload page's file table that sorts by the value it carries under
// Qt::UserRole rather than by its text, so that sizes, dates and types sort by their meaning
// whatever the language or the unit shown.
class FileInfoTableItem : public QTableWidgetItem
{
public:
    // Item types.
    enum {
        SizeItem = 1001,  // byte count, qint64
        TimeItem = 1002,  // modification time, QDateTime
        TypeItem = 1003,  // type code, int (0 folder, 1 photo, 2 video, 3 other)
    };

    FileInfoTableItem(const QString &text, int type);
    ~FileInfoTableItem() override;

    bool operator<(const QTableWidgetItem &other) const override;
};

#endif // FILEINFOTABLEITEM_H
