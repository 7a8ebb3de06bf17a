#include "app/mp3_decoder.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <mpg123.h>

namespace {

constexpr size_t pieceBytes = 64 * 1024;

void initialiseLibrary() {
    static const bool initialised = mpg123_init() == MPG123_OK;
    Q_UNUSED(initialised);
}

} // namespace

Mp3Decoder::Mp3Decoder(const QString& path) {
    initialiseLibrary();
    mpg123_handle* opened = mpg123_new(nullptr, nullptr);
    if (!opened)
        return;
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    // Always 16-bit signed samples at the file's own rate and channel count.
    mpg123_param(opened, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    mpg123_format_none(opened);
    for (const long fileRate :
         {8000L, 11025L, 12000L, 16000L, 22050L, 24000L, 32000L, 44100L, 48000L})
        mpg123_format(opened, fileRate, MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open(opened, QFile::encodeName(path).constData()) != MPG123_OK ||
        mpg123_getformat(opened, &rate, &channels, &encoding) != MPG123_OK ||
        mpg123_scan(opened) != MPG123_OK) {
        mpg123_delete(opened);
        return;
    }
    handle = opened;
    audioFormat.setSampleRate(int(rate));
    audioFormat.setChannelCount(channels);
    audioFormat.setSampleFormat(QAudioFormat::Int16);
    total = qMax<qint64>(0, mpg123_length(handle)) * audioFormat.bytesPerFrame();
}

Mp3Decoder::~Mp3Decoder() {
    if (handle)
        mpg123_delete(handle);
}

bool Mp3Decoder::decodeMore(QByteArray& samples) {
    if (!handle)
        return false;
    const qsizetype start = samples.size();
    samples.resize(start + qsizetype(pieceBytes));
    size_t done = 0;
    const int result = mpg123_read(handle, reinterpret_cast<unsigned char*>(samples.data() + start),
                                   pieceBytes, &done);
    samples.resize(start + qsizetype(done));
    return (result == MPG123_OK || result == MPG123_NEW_FORMAT) || done > 0;
}
