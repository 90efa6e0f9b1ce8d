#pragma once
// The physical data of a planet or moon, as its configuration file ("Earth.cfg") gives them.
// Every reader of a planet file (the information window, the orbit insight, both validations
// and the check of scenario files) reads the whole file into one PlanetData.
#include <QByteArray>
#include <QString>
#include <optional>

// The gravitational constant in m^3 kg^-1 s^-2: the simulator's own, so that periods and
// positions worked out here are those the simulator will fly.
inline constexpr double kGravitationalConstant = 6.67259e-11;

// A body's rotation: angles in radians, times as their names say; a value the file lacks is 0.
struct BodyRotation {
    double Obliquity = 0; // of the axis to the pole of the precession reference
    double Lan = 0;       // longitude of the equator's ascending node at LanMjd
    double LanMjd = 0;
    double PrecessionObliquity = 0;
    double PrecessionLan = 0;
    double PrecessionPeriod = 0; // days; negative for a retrograde precession; 0 for none
    double SidRotPeriod = 0;     // s; negative for a retrograde rotation
    double SidRotOffset = 0;
};

struct PlanetData {
    // What an orbit round the body needs. Known when the mass and the mean radius are present,
    // positive and finite.
    bool Known = false;
    double Mu = 0;              // gravitational parameter G times the mass, m^3/s^2
    double MeanRadius = 0;      // "Size", m; 0 without the record
    double AtmosphereLimit = 0; // m above the mean radius; 0 without an atmosphere, never below
    // Each record as found the way GetData finds one: the last record that begins with the
    // key, letter case ignored. The value is that record less the key and the two characters
    // after it (the blank and the "=" of "Size = 6371000"), so it keeps the blank before the
    // number.
    std::optional<QString> mass;            // "Mass", kg
    std::optional<QString> size;            // "Size": the mean radius, m
    std::optional<QString> rotationPeriod;  // "SidRotPeriod": the sidereal rotation period, s
    std::optional<QString> atmosphereLimit; // "AtmAltLimit": the atmosphere's height, m
    // Its records of those names exactly, letter case ignored.
    BodyRotation rotation;
    QString file;          // the file read, as its path was given
    bool readable = false; // false: the file is missing or could not be read; nothing is known

    // The numbers that lead the values; 0 for a value the file lacks.
    double Mass() const;
    double RotationPeriod() const;
    // The atmosphere limit as written, below 0 too.
    double AtmosphereAsWritten() const;
};

// The data of a file's bytes (readable).
PlanetData ReadPlanetData(const QByteArray& bytes);
// The data of the file at a path; not readable when it cannot be read.
PlanetData PlanetDataOfFile(const QString& path);
// The same for the planet file of a body (PlanetFileName); no body, no file read.
PlanetData PlanetDataOfBody(const QString& cfgDir, const QString& body);

// The planet file of a body in the configuration folder: the folder text, the body's name
// without the blanks of a moon's caption, and ".cfg".
QString PlanetFileName(const QString& cfgDir, const QString& body);
