#include "runtime/storage/storage_error.h"

#include <sqlite3.h>

QString storageErrorText(int result) {
    switch (result & 0xFF) {
        case SQLITE_READONLY:
            return QStringLiteral("таблица открыта только для чтения");
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return QStringLiteral("файл занят другим пользователем");
        case SQLITE_CORRUPT:
            return QStringLiteral("файл повреждён");
        case SQLITE_NOTADB:
            return QStringLiteral("файл не является таблицей");
        case SQLITE_FULL:
            return QStringLiteral("нет места на диске");
        case SQLITE_CANTOPEN:
            return QStringLiteral("не удаётся открыть файл");
        case SQLITE_IOERR:
            return QStringLiteral("ошибка чтения или записи файла");
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return QStringLiteral("доступ к файлу запрещён");
        case SQLITE_CONSTRAINT:
            return QStringLiteral("запись с таким значением уникального ключа уже есть");
        case SQLITE_MISUSE:
            return QStringLiteral("таблица не открыта");
        case SQLITE_RANGE:
            return QStringLiteral("значение не помещается в поле");
        case SQLITE_NOTFOUND:
            return QStringLiteral("запись не найдена: возможно, её удалил другой пользователь");
    }
    return QString::fromUtf8(sqlite3_errstr(result));
}
