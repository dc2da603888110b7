#include "opzioniriga.h"

#include "tabellaopzioni.h"

#include <QCommandLineParser>

namespace vocario::OpzioniRiga {

QList<QCommandLineOption> tutte() {
    QList<QCommandLineOption> opzioni;
    for (const RigaOpzione& riga : tabellaOpzioni()) {
        const QString chiave = QString::fromLatin1(riga.chiave);
        if (!riga.siNo()) {
            opzioni << QCommandLineOption(
                chiave, QString::fromUtf8(riga.aiuto).arg(riga.valoriAmmessi()), chiave);
            continue;
        }
        for (const InterruttoreOpzione* i : {&riga.si, &riga.no})
            opzioni << QCommandLineOption(i->nomi, QString::fromUtf8(i->aiuto));
    }
    return opzioni;
}

void registra(QCommandLineParser& parser) {
    for (const QCommandLineOption& opzione : tutte())
        parser.addOption(opzione);
}

ScelteOpzioni leggi(const QCommandLineParser& parser, QStringList* errori) {
    ScelteOpzioni scelte;
    // In the order they were written, so that the later of two opposites wins.
    for (const QString& nome : parser.optionNames())
        for (const RigaOpzione& riga : tabellaOpzioni())
            if (riga.siNo() && (riga.si.nomi.contains(nome) || riga.no.nomi.contains(nome)))
                riga.campo.scegli(scelte, riga.si.nomi.contains(nome));
    for (const RigaOpzione& riga : tabellaOpzioni()) {
        const QString chiave = QString::fromLatin1(riga.chiave);
        // A value left out is the command line's mistake, told by its reader.
        if (riga.siNo() || parser.values(chiave).isEmpty())
            continue;
        const QString scritta = parser.values(chiave).constLast();
        if (const std::optional<int> valore = riga.valoreDi(scritta))
            riga.campo.scegli(scelte, *valore);
        else if (errori)
            errori->append(QStringLiteral("%1 \"%2\" sconosciuta: si può scegliere %3.")
                               .arg(chiave, scritta, riga.valoriAmmessi()));
    }
    return scelte;
}

QString valoriAmmessi(const QString& nome) {
    for (const RigaOpzione& riga : tabellaOpzioni())
        if (nome == QLatin1String(riga.chiave))
            return riga.valoriAmmessi();
    return {};
}

} // namespace vocario::OpzioniRiga
