#include "finestrachigioca.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vocario {
namespace {

constexpr int kColonne = 5;
constexpr int kAltezzaBottone = 72;

QPushButton* bottoneGrande(const QString& testo, int punti, QWidget* dentro) {
    auto* bottone = new QPushButton(testo, dentro);
    QFont font = bottone->font();
    font.setPointSize(punti);
    font.setBold(true);
    bottone->setFont(font);
    bottone->setMinimumHeight(kAltezzaBottone);
    bottone->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    bottone->setAccessibleName(testo);
    bottone->setFocusPolicy(Qt::StrongFocus);
    // Return and Enter press it, as Space does.
    bottone->setAutoDefault(false);
    bottone->installEventFilter(dentro->window());
    return bottone;
}

} // namespace

FinestraChiGioca::FinestraChiGioca(QList<Classe> classi, const QString& classeMostrata)
    : classi_(std::move(classi)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("ChiGioca"));
    setWindowTitle(QStringLiteral("Chi gioca?"));
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

    if (classi_.size() > 1) {
        auto* rigaClassi = new QHBoxLayout;
        for (int i = 0; i < classi_.size(); ++i) {
            QPushButton* bottone = bottoneGrande(classi_[i].nome, 16, this);
            bottone->setObjectName(QStringLiteral("Classe(%1)").arg(i));
            bottone->setAccessibleName(QStringLiteral("Classe %1").arg(classi_[i].nome));
            bottone->setCheckable(true);
            bottone->setAutoExclusive(true);
            bottone->setMinimumHeight(48);
            connect(bottone, &QPushButton::clicked, this, [this, i] { mostraClasse(i); });
            rigaClassi->addWidget(bottone);
            bottoniClassi_ << bottone;
        }
        colonna->addLayout(rigaClassi);
    }
    alunni_ = new QWidget(this);
    alunni_->setObjectName(QStringLiteral("Alunni"));
    colonna->addWidget(alunni_, 1);

    QPushButton* ospite = bottoneGrande(QStringLiteral("Ospite"), 18, this);
    ospite->setObjectName(QStringLiteral("Ospite"));
    ospite->setAccessibleDescription(QStringLiteral("Gioca senza che le risposte siano "
                                                    "registrate"));
    connect(ospite, &QPushButton::clicked, this, [this] { emit scelto(std::nullopt); });
    ospite->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    ospite->setMinimumWidth(240);
    colonna->addWidget(ospite, 0, Qt::AlignHCenter);

    int indice = 0;
    for (int i = 0; i < classi_.size(); ++i)
        if (classi_[i].nome == classeMostrata)
            indice = i;
    mostraClasse(indice);
}

void FinestraChiGioca::mostraClasse(int indice) {
    if (indice < bottoniClassi_.size())
        bottoniClassi_[indice]->setChecked(true);
    delete griglia_;
    qDeleteAll(alunni_->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly));
    griglia_ = new QGridLayout(alunni_);
    griglia_->setSpacing(12);
    const QList<Alunno>& alunni = classi_.value(indice).alunni;
    for (int colonna = 0; colonna < std::min(kColonne, int(alunni.size())); ++colonna)
        griglia_->setColumnStretch(colonna, 1);
    QList<QPushButton*> bottoni;
    int larghezza = 0;
    for (int k = 0; k < alunni.size(); ++k) {
        QPushButton* bottone = bottoneGrande(alunni[k].nome, 20, alunni_);
        bottone->setObjectName(QStringLiteral("Alunno(%1)").arg(k));
        connect(bottone, &QPushButton::clicked, this,
                [this, alunno = alunni[k]] { emit scelto(alunno); });
        griglia_->addWidget(bottone, k / kColonne, k % kColonne);
        larghezza = std::max(larghezza, bottone->sizeHint().width() + 24);
        bottoni << bottone;
    }
    // Every name on a button of one width, the longest with room to spare.
    for (QPushButton* bottone : std::as_const(bottoni))
        bottone->setMinimumWidth(larghezza);
    if (!alunni.isEmpty())
        alunni_->findChild<QPushButton*>(QStringLiteral("Alunno(0)"))->setFocus();
}

bool FinestraChiGioca::eventFilter(QObject* watched, QEvent* event) {
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
