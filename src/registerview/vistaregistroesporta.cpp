// "Registro"'s exports, its printed summary and the save dialog they share.

#include "core/salvataggi.h"
#include "esportazione.h"
#include "interrogazioni.h"
#include "register/registro.h"
#include "tabellevista.h"
#include "vistaregistro.h"

#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>

namespace vocario {

QList<QStringList> VistaRegistro::righeParole() const {
    return TabelleVista::righeDi(parole_);
}

QList<QStringList> VistaRegistro::righeAlunni() const {
    return TabelleVista::righeDi(alunni_);
}

bool VistaRegistro::esportaCsv(const QString& file, const QList<QStringList>& righe) {
    return Esportazione::scriviCsv(file, righe);
}

bool VistaRegistro::esportaRisposte(const QString& file, qint64 alunno) {
    return Esportazione::scriviCsv(
        file, Interrogazioni::tutteLeRisposte(registro_.dbVista(), classe(), alunno));
}

QString VistaRegistro::titoloRiassunto() const {
    return QStringLiteral("Registro della classe %1").arg(classi_->currentText());
}

QList<Esportazione::Sezione> VistaRegistro::riassunto() const {
    return QList<Esportazione::Sezione>{{QStringLiteral("Parole più sbagliate %1, almeno %2 volte")
                                             .arg(periodo_->currentText())
                                             .arg(almeno_->value()),
                                         righeParole()},
                                        {QStringLiteral("Alunni ed esercizi"), righeAlunni()}} +
           riassuntoRipasso();
}

bool VistaRegistro::esportaPdf(const QString& file) {
    return Esportazione::scriviPdf(file, titoloRiassunto(), riassunto());
}

void VistaRegistro::stampaRiassunto() {
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setPageSize(QPageSize(QPageSize::A4));
    stampante.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    stampante.setDocName(titoloRiassunto());
    QPrintDialog dialogo(&stampante, this);
    dialogo.setWindowTitle(QStringLiteral("Stampa il riassunto della classe"));
    if (dialogo.exec() != QDialog::Accepted)
        return;
    if (!Esportazione::stampa(&stampante, titoloRiassunto(), riassunto()))
        QMessageBox::warning(this, QStringLiteral("Vocario – Registro"),
                             QStringLiteral("La stampante non si può usare."));
}

void VistaRegistro::salvaCome(const QString& titolo, const QString& cosa, const QString& estensione,
                              const std::function<bool(const QString&)>& scrivi) {
    const QString file = QFileDialog::getSaveFileName(
        this, titolo, Salvataggi::proposta({cosa, classi_->currentText()}, estensione));
    if (file.isEmpty())
        return;
    if (!scrivi(file))
        QMessageBox::warning(this, QStringLiteral("Vocario – Registro"),
                             QStringLiteral("Il file %1 non si può scrivere.").arg(file));
}

} // namespace vocario
