// The one reader of planet files: which record gives each value, and how the value is cut from
// it ("Size = 6371000" less the key and the blank and "=" after it).
#include "core/installation/planet_file.h"

#include <QTest>

namespace {
const QString kAbsent = QStringLiteral("<absent>");

QStringList Values(const PlanetFile& p) {
    QStringList values;
    for (const std::optional<QString>* v : {&p.mass, &p.size, &p.rotationPeriod, &p.atmosphereLimit})
        values << (v->has_value() ? **v : kAbsent);
    return values;
}
} // namespace

class PlanetFileTest : public QObject {
    Q_OBJECT
  private slots:
    void values_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("values");    // mass, size, rotation period, atmosphere limit
        QTest::addColumn<QList<double>>("numbers"); // the same as numbers
        QTest::newRow("every record")
            << QByteArray("Name = Earth\r\nMass = 5.972E+24\r\nSize = 6371000\r\nSidRotPeriod = 86164.1\r\n"
                          "AtmAltLimit = 200000\r\n")
            << QStringList{" 5.972E+24", " 6371000", " 86164.1", " 200000"}
            << QList<double>{5.972e24, 6371000, 86164.1, 200000};
        QTest::newRow("no records") << QByteArray("Name = Nothing\r\n")
                                    << QStringList{kAbsent, kAbsent, kAbsent, kAbsent}
                                    << QList<double>{0, 0, 0, 0};
        QTest::newRow("empty file") << QByteArray() << QStringList{kAbsent, kAbsent, kAbsent, kAbsent}
                                    << QList<double>{0, 0, 0, 0};
        QTest::newRow("letter case of keys")
            << QByteArray("mass = 1\r\nSIZE = 1.5E3\r\nsidrotperiod = 2\r\natmaltlimit = 20\r\n")
            << QStringList{" 1", " 1.5E3", " 2", " 20"} << QList<double>{1, 1500, 2, 20};
        QTest::newRow("last record wins")
            << QByteArray("Size = 1\r\nSize = 2\r\n") << QStringList{kAbsent, " 2", kAbsent, kAbsent}
            << QList<double>{0, 2, 0, 0};
        QTest::newRow("comment after the value")
            << QByteArray("Size = 3389500 ; mean\r\n")
            << QStringList{kAbsent, " 3389500 ; mean", kAbsent, kAbsent} << QList<double>{0, 3389500, 0, 0};
        QTest::newRow("records after commas, indented")
            << QByteArray("  Mass = 7.342E+22, Size = 1737100\r\n")
            << QStringList{" 7.342E+22", " 1737100", kAbsent, kAbsent}
            << QList<double>{7.342e22, 1737100, 0, 0};
        // The value is cut by count: without blanks around "=" it loses its first digit.
        QTest::newRow("no blanks around the equals sign")
            << QByteArray("Size=6371000\r\n") << QStringList{kAbsent, "371000", kAbsent, kAbsent}
            << QList<double>{0, 371000, 0, 0};
        QTest::newRow("a longer key begins with the key")
            << QByteArray("SizeX = 3\r\n") << QStringList{kAbsent, "= 3", kAbsent, kAbsent}
            << QList<double>{0, 0, 0, 0};
        QTest::newRow("negative atmosphere kept as written")
            << QByteArray("AtmAltLimit = -5\r\n") << QStringList{kAbsent, kAbsent, kAbsent, " -5"}
            << QList<double>{0, 0, 0, -5};
    }
    void values() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, values);
        QFETCH(QList<double>, numbers);
        const PlanetFile planet = ReadPlanetFile(bytes);
        QCOMPARE(Values(planet), values);
        QCOMPARE((QList<double>{planet.Mass(), planet.MeanRadius(), planet.RotationPeriod(),
                                planet.AtmosphereLimit()}),
                 numbers);
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

QTEST_GUILESS_MAIN(PlanetFileTest)
#include "test_planet_file.moc"
