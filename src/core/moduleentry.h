#pragma once

#include <QLibrary>
#include <QString>

namespace vocario {

/// The entry point `entryPoint` of the module `fileName` in `folder`, or null
/// when the module or its entry point is missing. The library stays loaded
/// for the rest of the run: the objects it makes do.
template <typename EntryPoint>
EntryPoint moduleEntry(const QString& folder, const char* fileName, const char* entryPoint) {
    QLibrary module(folder + u'/' + QLatin1String(fileName));
    return reinterpret_cast<EntryPoint>(module.resolve(entryPoint));
}

} // namespace vocario
