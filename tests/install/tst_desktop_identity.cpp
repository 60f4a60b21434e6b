// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program and the teachers' overview tell the desktop which menu entry
// and which icon are their own.

#include "desktop_identity.h"

#include <QDir>
#include <QIcon>
#include <QImage>
#include <QTest>

using namespace piyota;

class TestDesktopIdentity : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void namesTheMenuEntryThatIsInstalled();
    void iconComesInEveryInstalledSize_data();
    void iconComesInEveryInstalledSize();
};

void TestDesktopIdentity::namesTheMenuEntryThatIsInstalled()
{
    const QDir packaging(QStringLiteral(PIYOTA_PACKAGING_BUILD_DIR));
    QStringList entries{desktopFileName() + QStringLiteral(".desktop"),
                        teacherDesktopFileName() + QStringLiteral(".desktop")};
    entries.sort();
    QCOMPARE(packaging.entryList({QStringLiteral("*.desktop")}, QDir::Files, QDir::Name), entries);
}

void TestDesktopIdentity::iconComesInEveryInstalledSize_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%dx%d", size, size) << size;
}

void TestDesktopIdentity::iconComesInEveryInstalledSize()
{
    QFETCH(int, size);
    const QIcon icon = applicationIcon();
    // Rendered at that size rather than scaled from another one.
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));

    // A picture, not an empty square: the paper fills the middle.
    const QImage picture = icon.pixmap(QSize(size, size)).toImage();
    QCOMPARE(picture.size(), QSize(size, size));
    QCOMPARE(picture.pixelColor(size / 2, size / 2).alpha(), 255);
}

QTEST_MAIN(TestDesktopIdentity)
#include "tst_desktop_identity.moc"
