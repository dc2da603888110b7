#include "exercises/catalogo.h"
#include "shell/navigazione.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    vocario::Navigazione::impostaEsercizi(vocario::catalogoEsercizi());
    vocario::Navigazione::Main();
    const int result = QApplication::exec();
    // Windows still loaded when the program ends go with it.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (!window->parentWidget())
            delete window;
    return result;
}
