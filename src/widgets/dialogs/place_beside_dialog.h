#pragma once
// The window that asks which ship or station the ship being edited goes beside, and how far
// along that one's orbit: a distance that does not read says so and keeps the window open, so
// that the user corrects it rather than starting again.
#include <QDialog>
#include <QStringList>
#include <optional>

class QLineEdit;
class QListWidget;

struct BesideRequest {
    int entry = -1;        // in the entries given
    double kilometres = 0; // along the other's orbit, negative behind
};

class PlaceBesideDialog : public QDialog {
    Q_OBJECT
  public:
    // entries: the ships and stations offered, "Lifter (Tarn)"; the first is picked. ship: the
    // name of the ship placed, empty for one not yet named.
    PlaceBesideDialog(const QStringList& entries, const QString& ship, QWidget* parent = nullptr);
    std::optional<BesideRequest> chosen() const { return chosen_; }

    // Shows the window (through ExecModal, so that tests script it) and returns the answer;
    // nothing for Cancel, Esc or a closed window.
    static std::optional<BesideRequest> Ask(const QStringList& entries, const QString& ship, QWidget* parent);

  private:
    void confirm();

    QListWidget* list_ = nullptr;
    QLineEdit* distance_ = nullptr;
    std::optional<BesideRequest> chosen_;
};
