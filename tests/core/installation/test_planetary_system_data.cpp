// The body list of a planetary system and the texts of a body's physical data.
#include "core/installation/planet_data.h"
#include "core/installation/planetary_system_data.h"
#include "test_files.h"

#include <QTest>

class PlanetarySystemDataTest : public QObject {
    Q_OBJECT
  private slots:
    void bodyList_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("bodies");
        QTest::newRow("planets and a moon")
            << QByteArray("Planet1 = Mercury\r\nPlanet2 = Venus\r\nPlanet3 = Earth\r\nEarth:Moon1 = Moon\r\n")
            << QStringList{"Mercury", "Venus", "Earth", "   Moon"};
        QTest::newRow("comment is not part of the name")
            << QByteArray("Planet1 = Mercury ; closest\r\n") << QStringList{"Mercury"};
        QTest::newRow("moon after a later planet is skipped")
            << QByteArray("Planet1 = Earth\r\nPlanet2 = Mars\r\nEarth:Moon1 = Moon\r\n")
            << QStringList{"Earth", "Mars"};
        QTest::newRow("lines before the first planet")
            << QByteArray("Name = Sol\r\nStar1 = Sun\r\nNitchevo = Ghost\r\nPlanet1 = Venus\r\n")
            << QStringList{"   Ghost", "Venus"};
        // The whole line is the name, and the line begins with that name.
        QTest::newRow("planet line without equals sign")
            << QByteArray("Planet9\r\n") << QStringList{"Planet9", "   Planet9"};
        QTest::newRow("planet key letter case counts") << QByteArray("planet1 = Venus\r\n") << QStringList{};
        QTest::newRow("planet line that begins with its own name")
            << QByteArray("Planet1 = Planet1\r\n") << QStringList{"Planet1", "   Planet1"};
        QTest::newRow("nameless planet takes no moons")
            << QByteArray("Planet1 =\r\nAnything = X\r\n\r\n") << QStringList{""};
        QTest::newRow("LF line ends")
            << QByteArray("Planet1 = Mars\nMars:Moon1 = Phobos\nMars:Moon2 = Deimos")
            << QStringList{"Mars", "   Phobos", "   Deimos"};
        QTest::newRow("no planet lines") << QByteArray("Star1 = Sun\r\n") << QStringList{};
    }
    void bodyList() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, bodies);
        QCOMPARE(BodyList(bytes), bodies);
    }

    void demoSolBodies() {
        const std::optional<QByteArray> sol = ReadFileBytes(DemoPath("Config/Sol.cfg"));
        QVERIFY(sol);
        QCOMPARE(BodyList(*sol),
                 (QStringList{"Mercury", "Venus", "Earth", "   Moon", "Mars", "   Phobos", "   Deimos",
                              "Jupiter", "   Io", "   Europa", "   Ganymede", "   Callisto"}));
    }

    void groupedWholeNumber_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QLocale de(QLocale::German, QLocale::Germany);
        QTest::newRow("rounded up") << 123.6 << us << "124";
        QTest::newRow("below one half") << 0.4 << us << "0";
        QTest::newRow("one half away from zero") << 2.5 << us << "3";
        QTest::newRow("negative below one half has no sign") << -0.4 << us << "0";
        QTest::newRow("negative") << -1234.5 << us << "-1,235";
        QTest::newRow("grouped") << 6371000.0 << us << "6,371,000";
        QTest::newRow("German grouping") << 6371000.0 << de << "6.371.000";
        QTest::newRow("C locale groups too") << 1234567.0 << QLocale::c() << "1,234,567";
        QTest::newRow("three digits") << 999.0 << us << "999";
    }
    void groupedWholeNumber() {
        QFETCH(double, value);
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QCOMPARE(GroupedWholeNumber(value, locale), text);
    }

    void hugeNumberKeepsItsDigits() {
        const QString text = GroupedWholeNumber(1.5e21, QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY2(text.startsWith("1,50"), qPrintable(text));
        QCOMPARE(text.count(u','), 7);
    }

    void rotationPeriod_data() {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("725.5 s") << 725.5 << "0h12min5sec";
        QTest::newRow("retrograde") << -725.5 << "0h12min5sec";
        QTest::newRow("sidereal day of the Earth") << 86164.0905 << "23h56min4sec";
        QTest::newRow("exact hour") << 3600.0 << "1h0min0sec";
        QTest::newRow("zero") << 0.0 << "0h0min0sec";
        QTest::newRow("Venus, retrograde, over 5000 hours") << -20997360.0 << "5832h36min0sec";
        QTest::newRow("just below a minute") << 59.999 << "0h0min59sec";
    }
    void rotationPeriod() {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(RotationPeriodText(seconds), text);
    }

    void planetData_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("no atmosphere record")
            << "sim/Config/Ash.cfg" << QStringList{" 3.3011e23 kg", "2,439,700 m", "0h12min5sec", "0 m"};
        QTest::newRow("rounded radius, negative period, atmosphere")
            << "sim/Config/Birch.cfg" << QStringList{" 5.97e24 kg", "124 m", "0h12min5sec", "120,001 m"};
        QTest::newRow("key in lower case, radius below one half")
            << "sim/Config/Cone.cfg" << QStringList{" 7e22 kg", "0 m", "23h56min4sec", "0 m"};
        QTest::newRow("only an atmosphere record")
            << "sim/Config/Ember.cfg" << QStringList{"No data", "No data", "No data", "50,000 m"};
        QTest::newRow("no file of its own")
            << "sim/Config/Dune.cfg" << QStringList{"No data", "No data", "No data", "No data"};
    }
    void planetData() {
        QFETCH(QString, file);
        QFETCH(QStringList, texts);
        QCOMPARE(PlanetDataTexts(PlanetDataOfFile(TestDataPath("simulator/" + file)),
                                 QLocale(QLocale::English, QLocale::UnitedStates)),
                 texts);
    }

    void massRecordsKeepTheirWriting() {
        QCOMPARE(PlanetDataTexts(ReadPlanetData("Mass = 5.972E+24\r\n"), QLocale::c())[0],
                 QString(" 5.972E+24 kg"));
    }

    // The demo's bodies carry their real data: the Earth's mean radius is 6,371 km and its
    // sidereal day 23 h 56 min 4 s; Venus turns backwards in 243 days.
    void demoEarthAndVenus() {
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QStringList e = PlanetDataTexts(PlanetDataOfFile(DemoPath("Config/Earth.cfg")), us);
        QCOMPARE(e.mid(1), (QStringList{"6,371,000 m", "23h56min4sec", "200,000 m"}));
        QVERIFY(e[0].endsWith("e24 kg"));
        QCOMPARE(PlanetDataTexts(PlanetDataOfFile(DemoPath("Config/Venus.cfg")), us)[2],
                 QString("5832h36min0sec"));
    }
};
QTEST_GUILESS_MAIN(PlanetarySystemDataTest)
#include "test_planetary_system_data.moc"
