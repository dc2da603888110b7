#include "objectcensus.h"

#include <QFile>
#include <atomic>
#include <malloc.h>
#include <unistd.h>

// Qt's table of hooks for tools (QtCore/private/qhooks_p.h): entry 2 holds
// the Qt version, entries 3 and 4 functions called with every QObject made
// and destroyed.
extern Q_CORE_EXPORT quintptr qtHookData[];

namespace vocario::endurance {
namespace {

enum HookIndex { kQtVersion = 2, kAddQObject = 3, kRemoveQObject = 4 };
using ObjectHook = void (*)(QObject*);

std::atomic<long> aliveObjects{0};
quintptr previousAdd = 0;
quintptr previousRemove = 0;

void added(QObject* object) {
    ++aliveObjects;
    if (previousAdd)
        reinterpret_cast<ObjectHook>(previousAdd)(object);
}

void removed(QObject* object) {
    --aliveObjects;
    if (previousRemove)
        reinterpret_cast<ObjectHook>(previousRemove)(object);
}

} // namespace

ObjectCensus::ObjectCensus() {
    if (qtHookData[kQtVersion] != QT_VERSION)
        return;
    previousAdd = qtHookData[kAddQObject];
    previousRemove = qtHookData[kRemoveQObject];
    qtHookData[kAddQObject] = reinterpret_cast<quintptr>(&added);
    qtHookData[kRemoveQObject] = reinterpret_cast<quintptr>(&removed);
    working_ = true;
}

ObjectCensus::~ObjectCensus() {
    if (!working_)
        return;
    qtHookData[kAddQObject] = previousAdd;
    qtHookData[kRemoveQObject] = previousRemove;
}

long ObjectCensus::alive() const {
    return aliveObjects.load();
}

MemoryUse MemoryUse::now() {
    MemoryUse use;
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (statm.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> fields = statm.readAll().split(' ');
        if (fields.size() > 1)
            use.residentBytes = fields.at(1).toLongLong() * sysconf(_SC_PAGESIZE);
    }
    use.heapBytes = qint64(mallinfo2().uordblks);
    return use;
}

QString MemoryUse::describe() const {
    QString text = QStringLiteral("resident %1 KiB").arg(residentBytes / 1024);
    if (heapBytes > 0)
        text += QStringLiteral(", heap in use %1 KiB").arg(heapBytes / 1024);
    return text;
}

} // namespace vocario::endurance
