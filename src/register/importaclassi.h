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
/// read by the word lists' reader (the same encodings and quotes). Pupils
/// already there are left as they are.
EsitoImportazione importaClassi(Registro& registro, const QString& file);

} // namespace vocario
