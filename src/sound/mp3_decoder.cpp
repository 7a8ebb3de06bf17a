#include "sound/mp3_decoder.h"

#include <QFile>
#include <QString>

#include <mpg123.h>

namespace {

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
    pcmFormat = PcmFormat{int(rate), channels, PcmFormat::Int16};
    total = qMax<qint64>(0, mpg123_length(handle)) * pcmFormat.bytesPerFrame();
}

Mp3Decoder::~Mp3Decoder() {
    if (handle)
        mpg123_delete(handle);
}

qint64 Mp3Decoder::read(char* data, qint64 maxBytes) {
    if (!handle)
        return 0;
    size_t done = 0;
    // The first read may only announce the format; the next one brings samples.
    for (int attempt = 0; attempt < 2 && done == 0 && maxBytes > 0; ++attempt) {
        const int result =
            mpg123_read(handle, reinterpret_cast<unsigned char*>(data), size_t(maxBytes), &done);
        if (result != MPG123_OK && result != MPG123_NEW_FORMAT)
            break;
    }
    return qint64(done);
}

void Mp3Decoder::rewind() {
    if (handle)
        mpg123_seek(handle, 0, SEEK_SET);
}
