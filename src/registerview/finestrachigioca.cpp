#include "finestrachigioca.h"

#include "access/annunci.h"
#include "disposizionenomi.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace vocario {
namespace {

// The class's or pupil's id on their button.
constexpr char kProprietaId[] = "vocarioId";
constexpr int kClassiPerRiga = 6;
const QString kAttesa = QStringLiteral("Sto leggendo le classi dal server della scuola…");

QPushButton* bottoneGrande(const QString& testo, int punti, QWidget* dentro) {
    auto* bottone = new QPushButton(testo, dentro);
    QFont font = bottone->font();
    font.setPointSize(punti);
    font.setBold(true);
    bottone->setFont(font);
    bottone->setMinimumHeight(DisposizioneNomi::kAltezzaBottone);
    bottone->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    bottone->setAccessibleName(testo);
    bottone->setFocusPolicy(Qt::StrongFocus);
    // Return and Enter press it, as Space does.
    bottone->setAutoDefault(false);
    bottone->installEventFilter(dentro->window());
    return bottone;
}

// The button of `id` among `vecchi`, taken out of them; null when none is.
QPushButton* riprendi(QList<QPushButton*>& vecchi, qint64 id) {
    for (qsizetype i = 0; i < vecchi.size(); ++i)
        if (vecchi[i]->property(kProprietaId).toLongLong() == id)
            return vecchi.takeAt(i);
    return nullptr;
}

} // namespace

FinestraChiGioca::FinestraChiGioca(QList<Classe> classi, const QString& classeMostrata)
    : classi_(std::move(classi)), classeScelta_(classeMostrata) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("ChiGioca"));
    setWindowTitle(QStringLiteral("Vocario – Chi gioca?"));
    setAccessibleName(QStringLiteral("Chi gioca?"));
    // The start screen's pale colour, so that the question follows it softly.
    QPalette colori = palette();
    colori.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xC8));
    setPalette(colori);
    setAutoFillBackground(true);
    // A thick frame on the button the keyboard is on: a pupil at the keys
    // must see whose name Space or Return would press.
    setStyleSheet(QStringLiteral("QPushButton:focus { border: 4px solid black; "
                                 "border-radius: 6px; background: white; padding: 4px 12px; }"));

    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(32, 24, 32, 24);
    colonna->setSpacing(16);
    auto* titolo = new QLabel(QStringLiteral("Chi gioca?"), this);
    QFont grande = titolo->font();
    grande.setPointSize(32);
    grande.setBold(true);
    titolo->setFont(grande);
    titolo->setAlignment(Qt::AlignCenter);
    colonna->addWidget(titolo);

    rigaClassi_ = new QWidget(this);
    rigaClassi_->setObjectName(QStringLiteral("Classi"));
    new QGridLayout(rigaClassi_);
    rigaClassi_->layout()->setContentsMargins(0, 0, 0, 0);
    colonna->addWidget(rigaClassi_);
    attesa_ = new QLabel(kAttesa, this);
    attesa_->setObjectName(QStringLiteral("Attesa"));
    attesa_->setAlignment(Qt::AlignCenter);
    attesa_->setWordWrap(true);
    QFont media = attesa_->font();
    media.setPointSize(16);
    attesa_->setFont(media);
    attesa_->setVisible(classi_.isEmpty());
    colonna->addWidget(attesa_, 1);
    alunni_ = new QWidget(this);
    alunni_->setObjectName(QStringLiteral("Alunni"));
    griglia_ = new QGridLayout(alunni_);
    griglia_->setSpacing(12);
    griglia_->setContentsMargins(0, 0, 0, 0);
    griglia_->setAlignment(Qt::AlignVCenter);
    // The names take the room left, whatever they would like.
    griglia_->setSizeConstraint(QLayout::SetNoConstraint);
    alunni_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    alunni_->installEventFilter(this);
    alunni_->setVisible(!classi_.isEmpty());
    colonna->addWidget(alunni_, 1);

    ospite_ = bottoneGrande(QStringLiteral("Ospite"), 18, this);
    ospite_->setObjectName(QStringLiteral("Ospite"));
    ospite_->setAccessibleDescription(QStringLiteral("Gioca senza che le risposte siano "
                                                     "registrate"));
    connect(ospite_, &QPushButton::clicked, this, [this] { emit scelto(std::nullopt); });
    ospite_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    ospite_->setMinimumWidth(240);
    colonna->addWidget(ospite_, 0, Qt::AlignHCenter);

    for (int i = 0; i < classi_.size(); ++i)
        if (classi_[i].nome == classeMostrata)
            indice_ = i;
    mettiClassi();
    mostraClasse(indice_);
    if (classi_.isEmpty()) {
        ospite_->setFocus();
        Annunciatore::di(this)->annuncia(Annunciatore::Parte::Istruzione, kAttesa);
    }
}

void FinestraChiGioca::aggiorna(QList<Classe> classi) {
    if (!attesa_->isHidden()) {
        // The first reading: whatever it brought, nothing is awaited any more.
        attesa_->hide();
        alunni_->show();
        if (!classi.isEmpty())
            Annunciatore::di(this)->annuncia(Annunciatore::Parte::Istruzione,
                                             QStringLiteral("Le classi sono arrivate."));
    }
    if (classi == classi_)
        return;
    // The class shown stays, found by its id (it may have been renamed);
    // with none shown yet, the last one chosen.
    const std::optional<qint64> mostrata =
        classi_.isEmpty() ? std::nullopt : std::optional(classi_[indice_].id);
    classi_ = std::move(classi);
    indice_ = 0;
    for (int i = 0; i < classi_.size(); ++i)
        if (mostrata ? classi_[i].id == *mostrata : classi_[i].nome == classeScelta_)
            indice_ = i;
    const QPointer<QWidget> tasti = focusWidget();
    mettiClassi();
    mettiAlunni();
    // The keyboard's button went with its pupil: the first name takes it.
    if (!tasti)
        (bottoniAlunni_.isEmpty() ? ospite_ : bottoniAlunni_.first())->setFocus();
}

void FinestraChiGioca::mostraMotivoAttesa(const QString& motivo) {
    attesa_->setText(motivo.isEmpty() ? kAttesa
                                      : QStringLiteral("Il server della scuola non dà ancora le "
                                                       "classi: %1. Intanto si gioca come "
                                                       "«Ospite».")
                                            .arg(motivo));
}

void FinestraChiGioca::mostraClasse(int indice) {
    indice_ = indice;
    mettiAlunni();
    if (!bottoniAlunni_.isEmpty())
        bottoniAlunni_.first()->setFocus();
}

void FinestraChiGioca::mettiClassi() {
    QList<QPushButton*> vecchi = std::exchange(bottoniClassi_, {});
    // A school's twenty classes in rows of at most six, as even as they come:
    // every one within the window, within reach of a pointer or a finger.
    auto* griglia = static_cast<QGridLayout*>(rigaClassi_->layout());
    while (QLayoutItem* posto = griglia->takeAt(0))
        delete posto;
    const int quante = int(classi_.size());
    const int righe = (quante + kClassiPerRiga - 1) / kClassiPerRiga;
    const int perRiga = righe > 0 ? (quante + righe - 1) / righe : 1;
    for (int i = 0; classi_.size() > 1 && i < classi_.size(); ++i) {
        QPushButton* bottone = riprendi(vecchi, classi_[i].id);
        if (!bottone) {
            bottone = bottoneGrande({}, 16, rigaClassi_);
            bottone->setProperty(kProprietaId, classi_[i].id);
            bottone->setCheckable(true);
            bottone->setAutoExclusive(true);
            bottone->setMinimumHeight(48);
            connect(bottone, &QPushButton::clicked, this,
                    [this, bottone] { mostraClasse(int(bottoniClassi_.indexOf(bottone))); });
        }
        bottone->setText(classi_[i].nome);
        bottone->setObjectName(QStringLiteral("Classe(%1)").arg(i));
        bottone->setAccessibleName(QStringLiteral("Classe %1").arg(classi_[i].nome));
        // Added again in the new order.
        griglia->addWidget(bottone, i / perRiga, i % perRiga);
        bottoniClassi_ << bottone;
    }
    qDeleteAll(vecchi);
    rigaClassi_->setVisible(!bottoniClassi_.isEmpty());
}

void FinestraChiGioca::mettiAlunni() {
    if (indice_ < bottoniClassi_.size())
        bottoniClassi_[indice_]->setChecked(true);
    QList<QPushButton*> vecchi = std::exchange(bottoniAlunni_, {});
    const QList<Alunno> alunni = classi_.value(indice_).alunni;
    for (int k = 0; k < alunni.size(); ++k) {
        QPushButton* bottone = riprendi(vecchi, alunni[k].id);
        if (!bottone) {
            bottone = bottoneGrande({}, DisposizioneNomi::kPuntiNomi, alunni_);
            bottone->setProperty(kProprietaId, alunni[k].id);
            // Sized by dispone(), to the room the window has, not the other way round.
            bottone->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
            connect(bottone, &QPushButton::clicked, this, [this, bottone] {
                const qsizetype k = bottoniAlunni_.indexOf(bottone);
                emit scelto(classi_.value(indice_).alunni.value(k));
            });
        }
        bottone->setText(alunni[k].nome);
        bottone->setAccessibleName(alunni[k].nome);
        bottone->setObjectName(QStringLiteral("Alunno(%1)").arg(k));
        bottoniAlunni_ << bottone;
    }
    qDeleteAll(vecchi);
    dispone();
    ordinaTab();
}

// Tab in reading order: classes, names, "Ospite", also for buttons made
// after the others.
void FinestraChiGioca::ordinaTab() {
    QList<QWidget*> ordine(bottoniClassi_.begin(), bottoniClassi_.end());
    ordine.append(QList<QWidget*>(bottoniAlunni_.begin(), bottoniAlunni_.end()));
    ordine << ospite_;
    for (qsizetype i = 1; i < ordine.size(); ++i)
        QWidget::setTabOrder(ordine[i - 1], ordine[i]);
}

// The names to the window's room: see DisposizioneNomi::scegli.
void FinestraChiGioca::dispone() {
    if (bottoniAlunni_.isEmpty())
        return;
    QStringList nomi;
    for (const Alunno& alunno : classi_.value(indice_).alunni)
        nomi << alunno.nome;
    const DisposizioneNomi::Scelta scelta = DisposizioneNomi::scegli(
        nomi, alunni_->contentsRect().size(), griglia_->spacing(), bottoniAlunni_.first()->font());
    for (int k = 0; k < bottoniAlunni_.size(); ++k) {
        QPushButton* bottone = bottoniAlunni_[k];
        QFont font = bottone->font();
        font.setPointSize(scelta.punti);
        bottone->setFont(font);
        bottone->setText(scelta.testi.value(k));
        bottone->setFixedHeight(scelta.altezza);
        griglia_->addWidget(bottone, k / scelta.colonne, k % scelta.colonne);
    }
    for (int colonna = 0; colonna < DisposizioneNomi::kColonne; ++colonna)
        griglia_->setColumnStretch(colonna, colonna < scelta.colonne ? 1 : 0);
}

bool FinestraChiGioca::eventFilter(QObject* watched, QEvent* event) {
    if (watched == alunni_ && event->type() == QEvent::Resize)
        dispone();
    // Return and Enter press the button they reach, as Space does.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (auto* bottone = qobject_cast<QPushButton*>(watched);
            bottone && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            bottone->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FinestraChiGioca::keyPressEvent(QKeyEvent* event) {
    // The arrows move through the buttons as Tab does.
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        focusNextChild();
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        focusPreviousChild();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace vocario
