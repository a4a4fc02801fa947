#ifndef CVIDEOCONVERTER_H
#define CVIDEOCONVERTER_H

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QThread>

#include <atomic>

#include "CToolRun.h"

// Makes the derived outputs of one video on its own thread: a still frame, JPEG thumbnails and up
// to four MP4 versions, one per encoding profile (0 high, 1 medium, 2 low, 3 mobile). It does no
// media work itself; ffmpeg, qt-faststart and ImageMagick's convert, found beside the program, run
// as child processes one after the other.
//
// Outputs go into the destination folder as <prefix><name>, where the prefix is the request
// identifier in decimal, preceded by "UIPreview" in preview mode. One object converts one file
// once. The thread always runs at the lowest priority, whatever its starter asked for.
class CVideoConverter : public QThread
{
    Q_OBJECT

public:
    // `parent` is null for the upload worker's converters and the upload page for a preview.
    // Stores the arguments and fills the tables; starts nothing and touches no file.
    CVideoConverter(QObject* parent, const QString& strSrcFilePath, const QString& strDestFolder,
                    const QList<uint>& profileIDs, bool bPreview, uint iRequestID);
    // Stops a conversion that still runs and waits for the thread before the object goes.
    ~CVideoConverter() override;

    // The frame size (decimal width "x" height) of an output of profile `profileID` made from a
    // source of `strResolution` ("720x576") with the pixel aspect `strPAR` ("16:15", or empty):
    // the source widened by its pixel aspect, fitted into the profile's largest frame without
    // being enlarged, both sides even. Empty when the resolution is unusable, except for the
    // mobile profile, which then gets its own frame size. No side effects.
    QString computeTargetSize(const QString& strResolution, const QString& strPAR, uint profileID) const;

signals:
    // The big thumbnail (THUMB_B) exists; the path is that file's.
    void signalVideoBigThumbReady(QString strThumbPath, uint iRequestID);
    // The conversion failed or was stopped; the path is the source video's.
    void signalVideoConvertError(QString strErrorFilePath, uint iRequestID);

public slots:
    // Asks a running conversion to stop: only sets the stop flag, from any thread. The tool that
    // runs is killed at its next poll (within 100 ms) and the conversion ends with the error
    // signal. This is not QThread's forced termination.
    void terminate();

protected:
    void run() override;

private:
    friend class TestVideoConverter;
    friend class TestVideoConverterTools;
    friend class TestVideoConverterStages;

    // What the probe read out of ffmpeg's description of the source. Rates are in kb/s; a fact
    // that was not found stays 0 or empty. The frame size and pixel aspect are those of the
    // picture as it is shown: a video stored a quarter turn round (a phone held upright) has them
    // swapped, because ffmpeg turns the picture upright before it scales it.
    struct ProbeInfo {
        int iInputVideoTotalBitRate = 0;
        int iInputVideoBitRate = 0;
        int iInputAudioBitRate = 0;
        QString strInputVideoResolution; // "720x576"
        QString strInputVideoPAR;        // "16:15"
        int iInputVideoQuarterTurns = 0; // display rotation of the video, in quarter turns 0..3
    };

    void initProfiles();
    // "UIPreview" + id in preview mode, else the id: the start of every output file name.
    QString namePrefix() const;
    int convert(QString strSrcFilePath, QString strDestFolder);

    // One tool run of a conversion with the stop flag of this converter; the process object
    // belongs to the run alone. The kill message is set here.
    CToolRun::Result runTool(CToolRun::Request request);
    // Runs "ffmpeg -i <input>" in the destination folder and parses what it wrote to standard
    // error. False only when a stop killed the tool. `strInput` is the source as every ffmpeg run
    // names it ("file:" and the absolute path).
    bool probe(const QString& strInput, const QString& strDestFolder, ProbeInfo& info);
    // Grabs the still frame at 3 s, or at the start when that left no frame. True when the frame
    // file holds at least one byte; an empty frame file left by a failed grab is removed.
    bool grabFrame(const QString& strInput, const QString& strTargetVideoResolution,
                   const QString& strTargetVideoAspectRatio, const QString& strFrameFilePath);
    // One convert run; true when `strOutput` then holds at least one byte (false after a stop).
    bool makeThumbnail(const QStringList& arguments, const QString& strOutput);
    // The MP4 version of every selected profile: two passes into a temporary file, the second once
    // more without sound when it left nothing, then the fast-start rewrite into the final file.
    // A profile whose encoding fails is left out; a stop or a failed rewrite ends with -1.
    int encode(const QString& strInput, const QString& strDestFolder, const ProbeInfo& info);
    // The parse of ffmpeg's diagnostic text (the bytes up to the first zero byte, as Latin-1),
    // with its debug lines.
    static ProbeInfo parseProbeOutput(const QByteArray& baInputVideoInfo);

    QList<uint> m_lstProfileIDs;
    bool m_bPreview;
    uint m_uiRequestID;
    QStringList m_lstBigThumbSizes;
    QStringList m_lstBigThumbNames;
    QStringList m_lstSmallThumbSizes;
    QStringList m_lstSmallThumbNames;
    QString m_strSrcFilePath;
    QString m_strDestFolder;
    QString m_strFFMPEGBinPath;
    QString m_strQT_faststartBinPath;
    QString m_strConvertBinPath;
    // Keyed by profile id; filled once by initProfiles() and never changed. Readers use value(),
    // so an unknown id yields 0, an empty text or an empty list and inserts nothing.
    QHash<uint, int> m_hashVideoBitRate;
    QHash<uint, QString> m_hashVideoResolution;
    QHash<uint, QStringList> m_hashPass1Arguments;
    QHash<uint, QStringList> m_hashPass2Arguments;
    std::atomic<bool> m_bStop;
};

#endif // CVIDEOCONVERTER_H
