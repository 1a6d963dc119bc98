// The words for a failed file operation. The program's own texts stand for the
// common cases so that a user reads the same short sentence whatever the system
// and its language; anything rarer keeps the system's own description.
#include <string_view>

#include "platform/result.h"

namespace pelin::platform {
namespace {

struct Wording {
    std::string_view japanese;
    std::string_view english;
};

Wording wordingOf(FileErrorKind kind) {
    switch (kind) {
    case FileErrorKind::Other: break;
    case FileErrorKind::NotFound: return {"ファイルまたはフォルダーが見つかりません", "no such file or folder"};
    case FileErrorKind::AccessDenied: return {"アクセスが拒否されました", "permission denied"};
    case FileErrorKind::IsFolder: return {"ファイルではなくフォルダーです", "is a folder"};
    case FileErrorKind::NotFolder: return {"パスの途中にフォルダーではないものがあります", "not a folder"};
    case FileErrorKind::DiskFull: return {"ディスクの空き領域が足りません", "disk full"};
    case FileErrorKind::ReadOnlyFileSystem: return {"読み取り専用のドライブです", "read-only file system"};
    case FileErrorKind::NameTooLong: return {"ファイル名が長すぎます", "name too long"};
    case FileErrorKind::TooManyLinks:
        return {"シンボリックリンクが多すぎるか、循環しています", "too many levels of symbolic links"};
    case FileErrorKind::Busy: return {"ほかのプログラムが使用中です", "busy"};
    case FileErrorKind::InputOutput: return {"読み書きの途中で装置のエラーが起きました", "input/output error"};
    case FileErrorKind::NotRegularFile: return {"通常のファイルではありません", "not a regular file"};
    case FileErrorKind::TooLarge: return {"ファイルが大きすぎます", "too large"};
    case FileErrorKind::OutOfMemory: return {"メモリが足りません", "out of memory"};
    case FileErrorKind::ContentNotKept:
        return {"ファイルの内容をそのまま保てないため書き込みませんでした", "cannot keep the file's content as it is"};
    case FileErrorKind::Cancelled: return {"中止しました", "cancelled"};
    case FileErrorKind::ShrankWhileRead:
        return {"読み込んでいる間にファイルが短くなりました", "became shorter while it was read"};
    case FileErrorKind::IsTheSource:
        return {"変換するテキストファイルそのものです", "is the text file being converted"};
    }
    return {};
}

std::string wordOr(std::string_view word, const FileError& error) {
    return word.empty() ? error.reason : std::string(word);
}

}  // namespace

std::string shownReason(const FileError& error) { return wordOr(wordingOf(error.kind).japanese, error); }

std::string englishReason(const FileError& error) { return wordOr(wordingOf(error.kind).english, error); }

FileError fileError(const std::filesystem::path& path, FileErrorKind kind) {
    return {path, std::string(wordingOf(kind).english), kind};
}

}  // namespace pelin::platform
