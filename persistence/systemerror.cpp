#include "persistence/systemerror.h"

#include <cerrno>

namespace vintaro {

std::string systemErrorText(int code)
{
    const char *text = nullptr;
    switch (code) {
    case ENOENT: text = "nincs ilyen fájl vagy mappa"; break;
    case EACCES: text = "nincs hozzá jogosultság"; break;
    case EPERM: text = "a művelet nem engedélyezett"; break;
    case EISDIR: text = "ez egy mappa, nem fájl"; break;
    case ENOTDIR: text = "az útvonal egyik tagja nem mappa"; break;
    case ENAMETOOLONG: text = "túl hosszú a fájl neve"; break;
    case ELOOP: text = "túl sok szimbolikus link az útvonalban"; break;
    case EIO: text = "írási vagy olvasási hiba a lemezen"; break;
    case ENOSPC: text = "nincs több hely a lemezen"; break;
    case EROFS: text = "a fájlrendszer csak olvasható"; break;
    case EMFILE:
    case ENFILE: text = "túl sok megnyitott fájl"; break;
    case ENOMEM: text = "nincs elég memória"; break;
    case EFBIG: text = "túl nagy a fájl"; break;
    case ENXIO:
    case ENODEV: text = "nincs ilyen eszköz"; break;
    case EBUSY: text = "az eszköz foglalt"; break;
    case EINVAL: text = "érvénytelen argumentum"; break;
    case EAGAIN: text = "az erőforrás átmenetileg nem érhető el"; break;
    default: return "ismeretlen rendszerhiba (" + std::to_string(code) + ". számú)";
    }
    return text;
}

} // namespace vintaro
