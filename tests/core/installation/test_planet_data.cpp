// The one reader of planet files: which record gives each value, and how the value is cut from
// it ("Size = 6371000" less the key and the blank and "=" after it); the rotation's records by
// their exact keys.
#include "core/installation/planet_data.h"

#include <QTest>
#include <algorithm>

namespace {
const QString kAbsent = QStringLiteral("<absent>");

QStringList Values(const PlanetData& p) {
    QStringList values;
    for (const std::optional<QString>* v : {&p.mass, &p.size, &p.rotationPeriod, &p.atmosphereLimit})
        values << (v->has_value() ? **v : kAbsent);
    return values;
}
} // namespace

class PlanetDataTest : public QObject {
    Q_OBJECT
  private slots:
    void values_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("values");    // mass, size, rotation period, atmosphere limit
        QTest::addColumn<QList<double>>("numbers"); // the same as numbers
        QTest::addColumn<bool>("known");            // an orbit round it can be worked out
        QTest::newRow("every record")
            << QByteArray("Name = Earth\r\nMass = 5.972E+24\r\nSize = 6371000\r\nSidRotPeriod = 86164.1\r\n"
                          "AtmAltLimit = 200000\r\n")
            << QStringList{" 5.972E+24", " 6371000", " 86164.1", " 200000"}
            << QList<double>{5.972e24, 6371000, 86164.1, 200000} << true;
        QTest::newRow("no records") << QByteArray("Name = Nothing\r\n")
                                    << QStringList{kAbsent, kAbsent, kAbsent, kAbsent}
                                    << QList<double>{0, 0, 0, 0} << false;
        QTest::newRow("empty file") << QByteArray() << QStringList{kAbsent, kAbsent, kAbsent, kAbsent}
                                    << QList<double>{0, 0, 0, 0} << false;
        QTest::newRow("letter case of keys")
            << QByteArray("mass = 1\r\nSIZE = 1.5E3\r\nsidrotperiod = 2\r\natmaltlimit = 20\r\n")
            << QStringList{" 1", " 1.5E3", " 2", " 20"} << QList<double>{1, 1500, 2, 20} << true;
        QTest::newRow("last record wins")
            << QByteArray("Mass = 0\r\nSize = 1\r\nSize = 2\r\nMass = 1\r\n")
            << QStringList{" 1", " 2", kAbsent, kAbsent} << QList<double>{1, 2, 0, 0} << true;
        QTest::newRow("comment after the value") << QByteArray("Size = 3389500 ; mean\r\n")
                                                 << QStringList{kAbsent, " 3389500 ; mean", kAbsent, kAbsent}
                                                 << QList<double>{0, 3389500, 0, 0} << false;
        QTest::newRow("records after commas, indented")
            << QByteArray("  Mass = 7.342E+22, Size = 1737100\r\n")
            << QStringList{" 7.342E+22", " 1737100", kAbsent, kAbsent}
            << QList<double>{7.342e22, 1737100, 0, 0} << true;
        // The value is cut by count: without blanks around "=" it loses its first digit.
        QTest::newRow("no blanks around the equals sign")
            << QByteArray("Size=6371000\r\n") << QStringList{kAbsent, "371000", kAbsent, kAbsent}
            << QList<double>{0, 371000, 0, 0} << false;
        QTest::newRow("a longer key begins with the key")
            << QByteArray("SizeX = 3\r\nMass = heavy\r\n") << QStringList{" heavy", "= 3", kAbsent, kAbsent}
            << QList<double>{0, 0, 0, 0} << false;
        QTest::newRow("negative atmosphere kept as written")
            << QByteArray("AtmAltLimit = -5\r\nMass = -1e20\r\nSize = 1e6\r\n")
            << QStringList{" -1e20", " 1e6", kAbsent, " -5"} << QList<double>{-1e20, 1e6, 0, -5} << false;
    }
    void values() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, values);
        QFETCH(QList<double>, numbers);
        QFETCH(bool, known);
        const PlanetData planet = ReadPlanetData(bytes);
        QCOMPARE(Values(planet), values);
        QCOMPARE((QList<double>{planet.Mass(), planet.MeanRadius, planet.RotationPeriod(),
                                planet.AtmosphereAsWritten()}),
                 numbers);
        QCOMPARE(planet.Known, known);
        // An orbit sees no atmosphere below the surface.
        QCOMPARE(planet.AtmosphereLimit, std::max(0.0, numbers[3]));
    }

    void rotation_data() {
        QTest::addColumn<QByteArray>("bytes");
        // Obliquity, LAN, LAN_MJD, PrecessionObliquity, PrecessionLAN, PrecessionPeriod,
        // SidRotPeriod, SidRotOffset
        QTest::addColumn<QList<double>>("rotation");
        QTest::newRow("every record")
            << QByteArray(
                   "Obliquity = 0.4091\r\nLAN = 0.25\r\nLAN_MJD = 51544.5\r\nPrecessionObliquity = 0.1\r\n"
                   "PrecessionLAN = 1.5\r\nPrecessionPeriod = -9413040\r\nSidRotPeriod = 86164.1\r\n"
                   "SidRotOffset = 4.89\r\n")
            << QList<double>{0.4091, 0.25, 51544.5, 0.1, 1.5, -9413040, 86164.1, 4.89};
        QTest::newRow("missing values are 0") << QByteArray("Size = 6371000\r\nSidRotPeriod = -2.1e7\r\n")
                                              << QList<double>{0, 0, 0, 0, 0, 0, -2.1e7, 0};
        QTest::newRow("keys exactly, in any letter case, the last winning")
            << QByteArray("LAN_MJD = 7\r\nlan=2, LAN = 3\r\nPrecessionLANX = 9\r\nobliquity = 1 ; tilt\r\n")
            << QList<double>{1, 3, 7, 0, 0, 0, 0, 0};
    }
    void rotation() {
        QFETCH(QByteArray, bytes);
        const BodyRotation r = ReadPlanetData(bytes).rotation;
        QTEST((QList<double>{r.Obliquity, r.Lan, r.LanMjd, r.PrecessionObliquity, r.PrecessionLan,
                             r.PrecessionPeriod, r.SidRotPeriod, r.SidRotOffset}),
              "rotation");
    }

    void fileName_data() {
        QTest::addColumn<QString>("cfgDir");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("file");
        QTest::newRow("planet") << "C:\\Skelvan\\Config\\"
                                << "Earth"
                                << "C:\\Skelvan\\Config\\Earth.cfg";
        QTest::newRow("moon caption loses its blanks") << "C:\\Skelvan\\Config\\"
                                                       << "   Moon"
                                                       << "C:\\Skelvan\\Config\\Moon.cfg";
        QTest::newRow("no folder") << ""
                                   << "Mars "
                                   << "Mars.cfg";
        QTest::newRow("no body") << "cfg/"
                                 << ""
                                 << "cfg/.cfg";
    }
    void fileName() {
        QFETCH(QString, cfgDir);
        QFETCH(QString, body);
        QFETCH(QString, file);
        QCOMPARE(PlanetFileName(cfgDir, body), file);
    }
};

QTEST_GUILESS_MAIN(PlanetDataTest)
#include "test_planet_data.moc"
