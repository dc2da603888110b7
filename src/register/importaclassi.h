#pragma once

#include <QString>

namespace vocario {

class Registro;

/// What an import of classes did, told to the teacher in Italian.
struct EsitoImportazione {
    bool ok = false;
    int classiNuove = 0;
    int alunniNuovi = 0;
    int giaPresenti = 0;
    QString messaggio = {};
};

/// Adds to the register the classes and pupils of a list pasted from a
/// spreadsheet or the school's register: one line per pupil, "classe, nome",
/// read by the word lists' reader (the same encodings and quotes, and the
/// tabs of Excel's "Unicode text"); a first line of column names
/// ("Classe;Alunno") is skipped, and the message says so. Pupils
/// already there (whatever the case of their names) are left as they are; a
/// name that cannot be used (ModificaAlunni::carattereVietato) refuses the
/// whole list, naming its line. One transaction, one reading of the classes.
EsitoImportazione importaClassi(Registro& registro, const QString& file);

/// "Aggiungi alunni…": the names typed one per line into `classe` (made when
/// missing), by the same rules; a name that cannot be used refuses them all,
/// naming it.
EsitoImportazione aggiungiAlunni(Registro& registro, const QString& classe, const QString& nomi);

} // namespace vocario
