// Our JPEG reader: the shipped backgrounds decode at their size and in the right colours;
// damaged data is refused with a reason, never a crash.

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include "Backgrounds.h"
#include "JpegImage.h"

using quorvex::ui::decodeJpeg;

namespace {

QByteArray asset(const char* name) {
    QFile file(QStringLiteral(QUORVEX_ASSETS_DIR "/backgrounds/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", name);
    return file.readAll();
}

void expectRefused(const QByteArray& bytes, const char* what) {
    QString error;
    const QImage image = decodeJpeg(bytes, &error);
    QVERIFY2(image.isNull(), what);
    QVERIFY2(!error.isEmpty(), what);
}

}  // namespace

class JpegImageTest : public QObject {
    Q_OBJECT
private slots:
    void shippedBackgroundsDecodeAtTheirSize() {
        for (const char* name : {"menu.jpg", "ranking.jpg", "travel.jpg", "hub.jpg"}) {
            QString error;
            const QImage image = decodeJpeg(asset(name), &error);
            QVERIFY2(!image.isNull(), qPrintable(error));
            QCOMPARE(image.size(), QSize(1280, 800));
            QVERIFY(error.isEmpty());
        }
        // The same pictures as compiled into the program.
        for (const QString& resource :
             {quorvex::ui::kMenuBackground, quorvex::ui::kRankingBackground,
              quorvex::ui::kTravelBackground, quorvex::ui::kHubBackground})
            QCOMPARE(quorvex::ui::loadBackground(resource).size(), QSize(1280, 800));
    }

    // Red and blue must not change places: the menu's giant is orange, the ranking's world blue,
    // and the sky is near black.
    void coloursComeOutInTheirChannels() {
        const QImage menu = decodeJpeg(asset("menu.jpg"));
        const QColor giant = menu.pixelColor(900, 600);
        QVERIFY2(giant.red() > 200 && giant.blue() < 150, qPrintable(giant.name()));
        const QColor sky = menu.pixelColor(20, 20);
        QVERIFY(sky.red() < 40 && sky.green() < 40 && sky.blue() < 60);
        const QColor world = decodeJpeg(asset("ranking.jpg")).pixelColor(190, 640);
        QVERIFY2(world.blue() > world.red() + 60, qPrintable(world.name()));
    }

    void damagedDataIsRefused() {
        const QByteArray good = asset("menu.jpg");
        expectRefused({}, "empty");
        expectRefused(good.left(good.size() / 2), "cut in the middle of the picture");
        expectRefused(good.left(100), "cut in the header");
        expectRefused(good.left(2), "only the start marker");
        QByteArray noise(4096, '\0');
        QRandomGenerator dice(7);
        for (char& c : noise)
            c = static_cast<char>(dice.bounded(256));
        expectRefused(noise, "noise");
        expectRefused(QByteArray("\x89PNG\r\n\x1a\n0000", 12), "another kind of picture");

        // A header claiming 65535 x 65535 pixels is refused before anything is allocated.
        QByteArray huge = good;
        const qsizetype frame = huge.indexOf(QByteArray("\xff\xc0", 2));
        QVERIFY(frame > 0);
        for (int i = 5; i <= 8; ++i)
            huge[frame + i] = '\xff';
        expectRefused(huge, "absurd size");

        // The reader is still in working order after all that.
        QCOMPARE(decodeJpeg(good).size(), QSize(1280, 800));
    }
};

QTEST_MAIN(JpegImageTest)
#include "JpegImageTest.moc"
