#pragma once
// The "Orbit" frame shared by the station and ship tabs: one caption and value label per
// figure, a coloured warning about the periapsis, a note when no figures can be worked out,
// and the drawing. The tabs' own panels feed it from their controls.
#include "core/orbit/orbit_text.h"

#include <QGroupBox>
#include <QList>
#include <optional>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QVBoxLayout;
class OrbitDrawing;
struct OrbitOutline;

class OrbitPanel : public QGroupBox {
    Q_OBJECT
  public:
    OrbitPanel(const QStringList& captions, QWidget* parent = nullptr);

    // Shows the texts; the drawing shows the outline, or nothing without one.
    void Show(const OrbitPanelTexts& texts, const std::optional<OrbitOutline>& outline);

    // The value labels are named "Orbit" followed by their caption without blanks or dashes
    // ("OrbitPeriapsisAltitude"); the others "OrbitWarning", "OrbitNote" and "OrbitDrawing".
    static QString ValueName(const QString& caption);

    // Works the figures out again from the watched controls.
    virtual void Refresh() {}
    // The body the orbit is around (a moon's name may keep its leading blanks) and the folder of
    // its planet file; the tab tells every change of its planet caption.
    void SetPlanet(const QString& configFolder, const QString& body);

  protected:
    // Refreshes whenever a box's text changes.
    void Watch(const QList<QLineEdit*>& boxes);
    // The data of the planet, read again only when the planet or folder changed.
    const PlanetData& Planet();
    void showEvent(QShowEvent* event) override;

    // The column of the figures; a tab's panel inserts its own controls before its last
    // item, the stretch that keeps them at the top.
    QVBoxLayout* figureColumn_ = nullptr;

  private:
    QList<QLabel*> values_;
    QLabel* warning_ = nullptr;
    QLabel* note_ = nullptr;
    OrbitDrawing* drawing_ = nullptr;
    QString body_;
    QString configFolder_;
    QString planetFile_;
    bool planetRead_ = false;
    PlanetData planetData_;
};
