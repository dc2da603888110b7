#pragma once

#include "interrogazioni.h"

#include <QWidget>

namespace vocario {

/// A pupil's weeks as bars: the share of right answers, the number of
/// answers written above, each week at its date (a week without answers is
/// a gap), its Monday with the year below. Drawn with QPainter: a dozen bars
/// need no chart library. The same figures are in the table beside it for a
/// screen reader.
class GraficoProgressi : public QWidget {
    Q_OBJECT
  public:
    explicit GraficoProgressi(QWidget* parent = nullptr);
    void mostra(QList<Interrogazioni::Settimana> settimane);
    QSize sizeHint() const override { return {480, 220}; }

    /// Where each of the last weeks shown stands: its slot among `di`
    /// consecutive weeks ending with the last one played.
    struct Posto {
        Interrogazioni::Settimana settimana = {};
        int indice = 0;
        int di = 0;
    };
    static QList<Posto> posti(const QList<Interrogazioni::Settimana>& settimane);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QList<Interrogazioni::Settimana> settimane_;
};

} // namespace vocario
