#include "TestRecording.h"

#include "DriveModel.h"
#include "FramePayload.h"
#include "RecordingWriter.h"

#include <QFile>
#include <QPainter>

#include <cstdlib>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

QString TestRecording::write(const QString &folder, const QString &name, const QList<Frame> &frames)
{
    RecordingWriter writer;
    const int fps = 10;
    for (int j = 0; j < frames.size(); ++j) {
        FrameStamp stamp;
        stamp.utcSeconds = 1795248000 + j / fps;
        stamp.frameInSecond = j % fps;
        stamp.framesPerSecond = fps;
        stamp.recordPhase = frames[j].recordPhase;
        stamp.eventType = frames[j].eventType;
        DriveSample sample;
        sample.gpsValid = true;
        sample.latitude = 4808.0 + j;
        sample.longitude = 1134.0;
        sample.speedKmh = j;
        sample.gx = frames[j].gx;
        sample.gy = frames[j].gy;
        sample.gz = frames[j].gz;
        writer.addFrame(RecordingWriter::encodeJpeg(frames[j].picture, 95), FramePayload::build(stamp, sample));
    }
    const QString base = folder + QLatin1Char('/') + name;
    if (!writeFile(base + QStringLiteral(".vdd"), writer.data())
        || !writeFile(base + QStringLiteral(".vdx"), RecordingWriter::sidecar(writer.headers(), SidecarForm::New)))
        return QString();
    return name + QStringLiteral(".vdd");
}

QColor TestRecording::colourOf(int frame)
{
    return QColor((frame * 40) % 256, 255 - (frame * 12) % 256, (frame / 6) * 80 % 256);
}

QImage TestRecording::solid(QSize size, const QColor &colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage TestRecording::quarters(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const int w = size.width() / 2;
    const int h = size.height() / 2;
    painter.fillRect(0, 0, w, h, Qt::red);
    painter.fillRect(w, 0, size.width() - w, h, Qt::green);
    painter.fillRect(0, h, w, size.height() - h, Qt::blue);
    painter.fillRect(w, h, size.width() - w, size.height() - h, Qt::yellow);
    return image;
}

QList<TestRecording::Frame> TestRecording::solidFrames(int count, QSize size)
{
    QList<Frame> frames;
    for (int j = 0; j < count; ++j)
        frames.append({solid(size, colourOf(j)), 1, 0});
    return frames;
}

bool TestRecording::near(const QColor &a, const QColor &b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
           && std::abs(a.blue() - b.blue()) <= tolerance;
}
