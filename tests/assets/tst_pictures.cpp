// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files.h"

#include <QDir>
#include <QImage>
#include <QRegion>
#include <QSet>
#include <QTest>

using namespace piyota;

namespace {

// Premultiplied, so that every fully transparent pixel reads as 0.
QImage load(const QString &path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QRegion differingPixels(const QImage &a, const QImage &b)
{
    QRegion region;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                region += QRect(x, y, 1, 1);
        }
    }
    return region;
}

struct PictureRow {
    const char *name;
    QString path;
    QSize size;
};

QList<PictureRow> allPictures()
{
    const QSize character(34, 37);
    const QSize doctor(33, 38);
    return {
        {"boy 1", Picture::boy().first, character},
        {"boy 2", Picture::boy().second, character},
        {"companion 1", Picture::companion().first, character},
        {"companion 2", Picture::companion().second, character},
        {"doctor 1", Picture::doctor().first, doctor},
        {"doctor 2", Picture::doctor().second, doctor},
        {"title decoration", Picture::titleDecoration(), QSize(36, 36)},
    };
}

void addPictureRows()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (const PictureRow &row : allPictures())
        QTest::newRow(row.name) << row.path << row.size;
}

} // namespace

Q_DECLARE_METATYPE(piyota::FramePair)

class TestPictures : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void resourcesHoldEveryPictureFile()
    {
        const QStringList sources = QDir(QStringLiteral(PIYOTA_ASSETS_DIR "/pictures"))
                                        .entryList({QStringLiteral("*.xpm")}, QDir::Files, QDir::Name);
        const QStringList resources = QDir(QStringLiteral(":/pictures")).entryList(QDir::Files, QDir::Name);
        QCOMPARE(resources, sources);
        QCOMPARE(resources.size(), allPictures().size());
    }

    void pictureLoadsAtItsSize_data() { addPictureRows(); }
    void pictureLoadsAtItsSize()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QImage image = load(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), size);
    }

    void pictureIsNotBlank_data() { addPictureRows(); }
    void pictureIsNotBlank()
    {
        QFETCH(QString, path);
        const QImage image = load(path);
        const QRgb background = image.pixel(0, 0);
        QSet<QRgb> colours;
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                colours.insert(image.pixel(x, y));
                drawn += image.pixel(x, y) != background ? 1 : 0;
            }
        }
        QVERIFY(colours.size() >= 4);
        QVERIFY(drawn >= image.width() * image.height() / 10);
    }

    void cornersShowTheBackground_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QRgb>("background");
        const QRgb transparent = qRgba(0, 0, 0, 0);
        const QRgb black = qRgb(0, 0, 0);
        for (const PictureRow &row : allPictures()) {
            const bool doctor = row.path.contains(QStringLiteral("doctor"));
            QTest::newRow(row.name) << row.path << (doctor ? black : transparent);
        }
    }
    void cornersShowTheBackground()
    {
        QFETCH(QString, path);
        QFETCH(QRgb, background);
        const QImage image = load(path);
        QVERIFY(!image.isNull());
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
            QCOMPARE(image.pixel(corner), background);
    }

    void framesDifferOnlyWhereTheyMove_data()
    {
        QTest::addColumn<FramePair>("frames");
        QTest::addColumn<QRegion>("moving");
        QTest::newRow("boy's arms") << Picture::boy() << (QRegion(0, 0, 9, 37) + QRegion(25, 0, 9, 37));
        QTest::newRow("companion around its head and body")
            << Picture::companion() << QRegion(0, 0, 34, 37).subtracted(QRegion(8, 7, 18, 22));
        QTest::newRow("doctor's pointer") << Picture::doctor() << QRegion(22, 0, 11, 14);
    }
    void framesDifferOnlyWhereTheyMove()
    {
        QFETCH(FramePair, frames);
        QFETCH(QRegion, moving);
        const QImage first = load(frames.first);
        const QImage second = load(frames.second);
        QVERIFY(!first.isNull());
        QCOMPARE(second.size(), first.size());
        const QRegion changed = differingPixels(first, second);
        QVERIFY(!changed.isEmpty());
        QCOMPARE(changed.subtracted(moving), QRegion());
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
