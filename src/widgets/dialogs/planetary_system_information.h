#pragma once
// The small modeless window that shows the physical data of one body of the current
// planetary system. It is filled by the main window's ExtractPlanet, hidden by "Close", and
// stays loaded with its list and selection until the main window closes.
#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;

class PlanetarySystemInformation : public QWidget {
    Q_OBJECT
  public:
    explicit PlanetarySystemInformation(QWidget* parent = nullptr);

    // The bodies of the current planetary system, with the entry shown (-1: none), and the
    // configuration folder their files are in (a body's file is the folder, the trimmed body
    // name and ".cfg").
    void showBodies(const QStringList& bodies, int shown, const QString& configFolder);

  private:
    // Shows the data of the body selected in the list; the four values are emptied when none is.
    void showSelectedBody();

    QComboBox* bodyList_ = nullptr;
    QLabel* mass_ = nullptr;
    QLabel* meanRadius_ = nullptr;
    QLabel* rotationPeriod_ = nullptr;
    QLabel* atmosphereLimit_ = nullptr;
    QString configFolder_;
};
