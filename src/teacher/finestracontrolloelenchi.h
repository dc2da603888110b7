#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace vocario {

struct AppState;

/// "Controlla gli elenchi": the checker's report on the word lists the
/// exercises read, to read, scroll and copy, with the teacher's folder named
/// and a button that opens it in the file manager.
class FinestraControlloElenchi : public QDialog {
    Q_OBJECT
  public:
    explicit FinestraControlloElenchi(const AppState& stato, QWidget* parent = nullptr);

    /// The report on show.
    QString testo() const;

  private:
    void controlla();
    void apriCartellaInsegnante();
    void copia();

    const AppState& stato_;
    QPlainTextEdit* rapporto_ = nullptr;
};

/// Checks the lists and shows the report over `parent`; the window goes when
/// it is closed.
FinestraControlloElenchi* mostraControlloElenchi(const AppState& stato, QWidget* parent);

} // namespace vocario
