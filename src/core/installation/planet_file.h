#pragma once
// The physical data of a planet or moon, as its configuration file ("Earth.cfg") gives them.
// Every reader of a planet file (the information window, the orbit insight and both
// validations) takes them from here.
#include <QByteArray>
#include <QString>
#include <optional>

// Each value is found as GetData finds a record: the last record that begins with the key,
// letter case ignored. The value is that record less the key and the two characters after it
// (the blank and the "=" of "Size = 6371000"), so it keeps the blank before the number.
struct PlanetFile {
    std::optional<QString> mass;            // "Mass", kg
    std::optional<QString> size;            // "Size": the mean radius, m
    std::optional<QString> rotationPeriod;  // "SidRotPeriod": the sidereal rotation period, s
    std::optional<QString> atmosphereLimit; // "AtmAltLimit": the atmosphere's height above the mean radius, m

    // The numbers that lead the values; 0 for a value the file lacks.
    double Mass() const;
    double MeanRadius() const;
    double RotationPeriod() const;
    double AtmosphereLimit() const;
};

PlanetFile ReadPlanetFile(const QByteArray& bytes);

// The planet file of a body in the configuration folder: the folder text, the body's name
// without the blanks of a moon's caption, and ".cfg".
QString PlanetFileName(const QString& cfgDir, const QString& body);
