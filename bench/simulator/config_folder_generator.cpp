#include "config_folder_generator.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <cmath>

namespace {
class Writer {
  public:
    explicit Writer(QString folder) : folder_(std::move(folder)) {}
    void Write(const QString& name, const QByteArray& text) {
        QByteArray bytes = text;
        bytes.replace("\n", "\r\n");
        if (name.contains(u'/')) QDir().mkpath(folder_ + "/" + name.section(u'/', 0, -2));
        QFile file(folder_ + "/" + name);
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
        ++result.files;
        result.bytes += bytes.size();
    }
    GeneratedFolder result;

  private:
    QString folder_;
};

QByteArray Number(double v) {
    return QByteArray::number(v, 'g', 8);
}

// Lines of records that no catalog asks for, as the simulator's files carry many of them.
QByteArray OtherRecords(QRandomGenerator& random, int lines, const char* prefix) {
    QByteArray text;
    for (int i = 0; i < lines; ++i) {
        switch (random.bounded(5)) {
        case 0:
            text += "; " + QByteArray(prefix) + " settings, group " + QByteArray::number(i) + "\n";
            break;
        case 1:
            text += QByteArray(prefix) + "Param" + QByteArray::number(i) + " = " +
                    Number(random.generateDouble() * 1e4) + ", " + Number(random.generateDouble()) + ", " +
                    Number(random.generateDouble()) + "\n";
            break;
        case 2:
            text += "TextureLayer" + QByteArray::number(i) + " = .\\Textures\\" + prefix + "_" +
                    QByteArray::number(random.bounded(1000)) + ".dds   ; surface tile\n";
            break;
        case 3:
            text += "\n";
            break;
        default:
            text += "  Coeff" + QByteArray::number(i) + " = " + Number(random.generateDouble() * 2 - 1) +
                    " " + Number(random.generateDouble()) + " " + Number(random.generateDouble()) + "\n";
        }
    }
    return text;
}

QByteArray BodyName(int system, int planet, int moon) {
    QByteArray name = "S" + QByteArray::number(system).rightJustified(2, '0') + "P" +
                      QByteArray::number(planet).rightJustified(2, '0');
    if (moon > 0) name += "M" + QByteArray::number(moon);
    return name;
}
} // namespace

GeneratedFolder GenerateConfigFolder(const QString& simulatorFolder, const GeneratedFolderSizes& sizes) {
    QDir().mkpath(simulatorFolder + "/Config");
    QDir().mkpath(simulatorFolder + "/Scenarios");
    {
        QFile cfg(simulatorFolder + "/skelvan.cfg");
        if (cfg.open(QIODevice::WriteOnly))
            cfg.write(
                "; generated installation\r\nConfigDir = .\\Config\\\r\nScenarioDir = .\\Scenarios\\\r\n");
    }
    Writer out(simulatorFolder + "/Config");
    QRandomGenerator random(5000);
    int baseNumber = 0;
    const int planets = sizes.bodiesPerSystem / 4;
    for (int s = 0; s < sizes.systems; ++s) {
        QByteArray system = "; Generated planetary system\nName = System " + QByteArray::number(s) +
                            "\nStar1 = Star" + QByteArray::number(s) + "\nMarkerPath = .\\Markers\\System" +
                            QByteArray::number(s) + "\\\n\n";
        for (int p = 1; p <= planets; ++p) {
            system += "Planet" + QByteArray::number(p) + " = " + BodyName(s, p, 0) + "\n";
            for (int m = 1; m <= 3; ++m)
                system +=
                    BodyName(s, p, 0) + ":Moon" + QByteArray::number(m) + " = " + BodyName(s, p, m) + "\n";
        }
        out.Write("System" + QString::number(s).rightJustified(2, '0') + ".cfg", system);
        for (int p = 1; p <= planets; ++p) {
            for (int m = 0; m <= 3; ++m) {
                QByteArray body = "; Generated body\nName = " + BodyName(s, p, m) + "\nModule = Planet\n" +
                                  "Mass = " + Number(random.generateDouble() * 1e25) +
                                  "\nSize = " + Number(1e5 + random.generateDouble() * 7e7) +
                                  "\nSidRotPeriod = " + Number(random.generateDouble() * 2e6 - 1e5) + "\n";
                if (random.bounded(2))
                    body += "AtmAltLimit = " + Number(random.generateDouble() * 5e5) + "\n";
                body += OtherRecords(random, random.bounded(15, 60), "Body");
                const int bases = m == 0 ? random.bounded(3) : 0;
                if (bases > 0 && !sizes.today) {
                    body += "NumBases = " + QByteArray::number(bases) + "\n";
                    for (int b = 0; b < bases; ++b)
                        body += "Base" + QByteArray::number(b + 1) + " = GenBase" +
                                QByteArray::number(baseNumber++) + " 12.5 -40.25\n";
                }
                out.Write(QString::fromLatin1(BodyName(s, p, m)) + ".cfg", body);
            }
        }
    }
    for (int c = 0; c < sizes.spacecraftClasses; ++c) {
        const QByteArray name = "Craft" + QByteArray::number(c).rightJustified(4, '0');
        // Today's vessel classes are named by their path and carry no ClassName record.
        QByteArray craft = "; Generated spacecraft class\n" +
                           (sizes.today ? QByteArray() : "ClassName = " + name + "\n") + "Module = " + name +
                           "\nSize = 12\nMass = 8000\nFuelMass = 3000\n";
        craft += OtherRecords(random, random.bounded(40, 160), "Craft");
        const QString folder =
            sizes.today ? QStringLiteral("Vessels/Group%1/").arg(c / 100, 2, 10, QChar(u'0')) : QString();
        out.Write(folder + QString::fromLatin1(name) + ".cfg", craft);
    }
    for (int st = 0; st < sizes.stationClasses; ++st) {
        const QByteArray name = "Station" + QByteArray::number(st).rightJustified(3, '0');
        QByteArray station = "; Generated station class\nMeshname = " + name + "\nSize = 200\nMass = 1e6\n";
        station += OtherRecords(random, random.bounded(10, 50), "Station");
        station += "BEGIN_DOCKLIST\n";
        const int ports = random.bounded(1, 13);
        for (int d = 0; d < ports; ++d)
            station += "0 0 " + QByteArray::number(d * 10) + "  0 0 1  0 1 0\n";
        station += "END_DOCKLIST\n";
        out.Write((sizes.today ? QStringLiteral("Vessels/Stations/") : QString()) +
                      QString::fromLatin1(name) + ".cfg",
                  station);
    }
    if (sizes.today) {
        // The bases, in the base folders of random planets: name, location, and an object list
        // of pads, buildings and their properties.
        for (int f = 0; f < sizes.fillerFiles; ++f) {
            const int lines =
                static_cast<int>(std::exp(std::log(8.0) + random.generateDouble() * std::log(1000.0 / 8.0)));
            const QByteArray body =
                BodyName(random.bounded(sizes.systems), random.bounded(1, planets + 1), 0);
            QByteArray base = "BASE-V2.0\n; Generated base\nName = Base " + QByteArray::number(f) +
                              "\nLocation = " + Number(random.generateDouble() * 360 - 180) + " " +
                              Number(random.generateDouble() * 180 - 90) + "\nSize = 1500\n";
            base += OtherRecords(random, lines / 4, "Base");
            base += "BEGIN_OBJECTLIST\n";
            for (int o = 0; o < lines / 4; ++o) {
                base += (o % 3 == 0 ? "LPAD" + QByteArray::number(1 + o % 2) : QByteArray("BLOCK")) + "\n";
                base += "  POS " + Number(o * 20.0) + " 0 " + Number(random.generateDouble() * 100) +
                        "\n  SCALE 40\n  TEX Lpad01\nEND\n";
            }
            base += "END_OBJECTLIST\n";
            out.Write(QString::fromLatin1(body) + "/Base/GenBase" + QString::number(f) + ".cfg", base);
        }
        return out.result;
    }
    for (int f = 0; f < sizes.fillerFiles; ++f) {
        // Base files, texture and marker settings: from a few hundred bytes to some 30 KB.
        const int lines =
            static_cast<int>(std::exp(std::log(8.0) + random.generateDouble() * std::log(1000.0 / 8.0)));
        QByteArray filler = "; Generated configuration\nName = Filler" + QByteArray::number(f) + "\n";
        for (int l = 0; l < lines / 10; ++l)
            filler += "LPAD = " + QByteArray::number(l * 20) + " 0 0\n";
        filler += OtherRecords(random, lines, "Misc");
        out.Write("GenBase" + QString::number(f) + ".cfg", filler);
    }
    return out.result;
}
