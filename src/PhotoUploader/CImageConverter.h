#ifndef CIMAGECONVERTER_H
#define CIMAGECONVERTER_H

#include <QList>
#include <QString>
#include <QStringList>
#include <QThread>

#include <atomic>

class QProcess;

// Makes the JPEG thumbnails of one photo on its own thread, with ImageMagick's convert run as a
// child process once per size; a camera RAW file is first turned into an ordinary image by the
// RAW decoding script (dcraw). The tools are found beside the program.
//
// Outputs go into the destination folder as <prefix><name>, where the prefix is the request
// identifier in decimal, preceded by "UIPreview" in preview mode (7THUMB_B.jpg,
// UIPreview7THUMB_B.jpg). Upload mode makes all five sizes, preview mode only THUMB_B.
// Nothing but an empty intermediate file of the RAW stage is ever deleted. One object converts one
// file once.
class CImageConverter : public QThread
{
    Q_OBJECT

public:
    CImageConverter(const QString& source, const QString& destinationFolder, bool preview, uint requestId);
    // Stops a conversion that still runs and waits for the thread before the object goes.
    ~CImageConverter() override;

signals:
    // The run that makes THUMB_B has ended and made it; the path is that output file's (with "/"
    // separators).
    void signalPhotoBigThumbReady(QString strThumbPath, uint iRequestID);
    // The conversion failed (missing source, destination folder not creatable, a source the tools
    // cannot read, so that no THUMB_B was made) or was stopped.
    void signalPhotoConvertError(QString strErrorFilePath, uint iRequestID);

public slots:
    // Asks a running conversion to stop: only sets the stop flag, from any thread. The tool that
    // runs is killed at its next poll (within 100 ms) and the conversion ends with the error
    // signal. This is not QThread's forced termination.
    void terminate();

protected:
    void run() override;

private:
    void initThumbSizes();
    void initToolPaths();
    QString namePrefix() const;
    int convert(const QString& source, const QString& destinationFolder);
    QString decodeRaw(const QString& source);

    int m_iQuality;
    bool m_bPreview;
    uint m_uiRequestID;
    QList<int> m_lstThumbSizes;
    QStringList m_lstThumbNames;
    QString m_strConvertBinPath;
    QString m_strDCRawBinPath;
    QString m_strDCRawScriptPath;
    QString m_strSrcFilePath;
    QString m_strDestFolder;
    QProcess* m_pProcess;
    std::atomic<bool> m_bStop;
};

#endif // CIMAGECONVERTER_H
