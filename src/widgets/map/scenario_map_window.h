#pragma once
// The modeless window of the whole scenario at a glance: a body picked in its list, the orbits
// round it seen from above its equator, and its surface with the landed ships and bases. It
// follows the session: every edit, undo and change of the start draws it again.
#include "core/editing/scenario_map.h"

#include <QWidget>

class EditorSession;
class MapOrbitView;
class MapSurfaceView;
class QComboBox;
class QLabel;
class QStackedWidget;

class ScenarioMapWindow : public QWidget {
    Q_OBJECT
  public:
    ScenarioMapWindow(const EditorSession& session, QWidget* parent = nullptr);
    // What the window draws, for those who read it without its pixels.
    const ScenarioMap& shownMap() const { return map_; }

  public slots:
    // Works the map out again from the session, keeping the body shown.
    void refresh();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showBody(const QString& body);

    const EditorSession& session_;
    ScenarioMap map_;
    QComboBox* bodyList_ = nullptr;
    QLabel* nothing_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    MapOrbitView* orbits_ = nullptr;
    MapSurfaceView* surface_ = nullptr;
};
