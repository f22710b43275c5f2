#include "persistence/systemerror.h"

#include <cerrno>

#include "core/textmark.h"

namespace vintaro {

const char *const kUnknownSystemError =
    QT_TRANSLATE_NOOP("vintaro::InputFile", "ismeretlen rendszerhiba (%1. számú)");

std::string systemErrorText(int code)
{
    const char *text = nullptr;
    switch (code) {
    case ENOENT: text = QT_TRANSLATE_NOOP("vintaro::InputFile", "nincs ilyen fájl vagy mappa"); break;
    case EACCES: text = QT_TRANSLATE_NOOP("vintaro::InputFile", "nincs hozzá jogosultság"); break;
    case EPERM: text = QT_TRANSLATE_NOOP("vintaro::InputFile", "a művelet nem engedélyezett"); break;
    case EISDIR: text = QT_TRANSLATE_NOOP("vintaro::InputFile", "ez egy mappa, nem fájl"); break;
    case ENOTDIR: text = QT_TRANSLATE_NOOP("vintaro::InputFile", "az útvonal egyik tagja nem mappa"); break;
    case ENAMETOOLONG: text = QT_TRANSLATE_NOOP("vintaro::InputFile", "túl hosszú a fájl neve"); break;
    case ELOOP: text = QT_TRANSLATE_NOOP("vintaro::InputFile", "túl sok szimbolikus link az útvonalban"); break;
    case EIO: text = QT_TRANSLATE_NOOP("vintaro::InputFile", "írási vagy olvasási hiba a lemezen"); break;
    case ENOSPC: text = QT_TRANSLATE_NOOP("vintaro::InputFile", "nincs több hely a lemezen"); break;
    case EROFS: text = QT_TRANSLATE_NOOP("vintaro::InputFile", "a fájlrendszer csak olvasható"); break;
    case EMFILE:
    case ENFILE: text = QT_TRANSLATE_NOOP("vintaro::InputFile", "túl sok megnyitott fájl"); break;
    case ENOMEM: text = QT_TRANSLATE_NOOP("vintaro::InputFile", "nincs elég memória"); break;
    case EFBIG: text = QT_TRANSLATE_NOOP("vintaro::InputFile", "túl nagy a fájl"); break;
    case ENXIO:
    case ENODEV: text = QT_TRANSLATE_NOOP("vintaro::InputFile", "nincs ilyen eszköz"); break;
    case EBUSY: text = QT_TRANSLATE_NOOP("vintaro::InputFile", "az eszköz foglalt"); break;
    case EINVAL: text = QT_TRANSLATE_NOOP("vintaro::InputFile", "érvénytelen argumentum"); break;
    case EAGAIN: text = QT_TRANSLATE_NOOP("vintaro::InputFile", "az erőforrás átmenetileg nem érhető el"); break;
    default: {
        std::string unknown = kUnknownSystemError;
        return unknown.replace(unknown.find("%1"), 2, std::to_string(code));
    }
    }
    return text;
}

} // namespace vintaro
