// The archiver's command lines. Each value is written so that Rar.exe receives exactly the text
// the user gave; a value that cannot be passed that way is refused, never mangled.
#pragma once

#include <optional>
#include <string>

namespace zembrel {

// The part after the last backslash; the whole text if there is none.
std::string strip_path(const std::string& path);

// The folder part up to and including the last backslash; empty if there is none.
std::string folder_of(const std::string& path);

// Empty or only spaces and tabs: such a name stands for no file.
bool is_blank(const std::string& text);

// A blank wanted name matches nothing; otherwise the names are equal once the bytes a..z are
// mapped to A..Z (byte-wise, whatever the byte's place in a multibyte character).
bool name_matches(const std::string& entry_name, const std::string& wanted_name);

// "X:\..." or "\\server\..." (the archiver's folder is derived from such paths only).
bool is_full_path(const std::string& path);

// Where the unpack of an archive lands: the archiver's "x -ad" run in the archive's folder makes
// a folder named like the archive without its final extension.
struct RepackPaths {
  std::string work_folder;       // W, ending in a backslash
  std::string work_folder_bare;  // V, W without its final backslash
  std::string output;            // O, the new archive in the finish folder
};

// Nothing when the file name does not end in ".rar" (any ASCII case) after a non-empty stem.
std::optional<RepackPaths> repack_paths(const std::string& archive, const std::string& exe_folder);

// Stands for the archive in lines built once for many archives (see ArchiveLinesTemplate); no
// path or name can hold this byte, so any other value holding it is refused.
inline constexpr char kArchiveMark[] = "\x01";

// The values that go into command lines, for naming the one that was refused.
enum class ValueRole { Archiver, Archive, AddFile, DeleteName, CommentFile, Password, OldPassword, Output, WorkFolder };

// One command line, built from template text and values.
class CommandLine {
 public:
  // Room for a typical line at once: a run builds hundreds of thousands of them.
  CommandLine() { text_.reserve(256); }
  CommandLine& text(const char* literal);
  // "value" — refused if the value holds a quote, a line break or byte 1, or ends in a backslash.
  CommandLine& quoted(const std::string& value, ValueRole role);
  // -pvalue, bare when every character is plain, otherwise -p"value" (refused like quoted).
  CommandLine& password(const std::string& value, ValueRole role);

  // The text as the archiver is to receive it (a child process's command line).
  const std::string& str() const { return text_; }
  // The same line for the batch script: the command interpreter turns "%%" back into "%".
  std::string script_line() const;
  // Appends the script line and its CR LF to out.
  void append_script_line(std::string& out) const;
  std::optional<ValueRole> refused() const { return refused_; }

  // Marks the line as refused for this value (the first refusal is kept).
  void refuse(ValueRole role);

 private:
  std::string text_;
  std::optional<ValueRole> refused_;
};

// The templates. R is the archiver, A an archive, F a file to add, N a name to delete, M the
// comment file, P/Q new/old password, O the output archive, V the work folder. Added files go to
// the archive's root under their own names; a repack stores what V holds, not V itself.
CommandLine inplace_add_line(const std::string& R, const std::string& A, const std::string& F);
// A delete name starting with '-' or '@' is refused too.
CommandLine inplace_delete_line(const std::string& R, const std::string& A, const std::string& N);
CommandLine comment_line(const std::string& R, const std::string& M, const std::string& target);
CommandLine lock_line(const std::string& R, const std::string& target);
CommandLine unpack_line(const std::string& R, const std::string& A, const std::string& Q);
CommandLine pack_line(const std::string& R, const std::string& O, const std::string& V, const std::string* P);
// Removes the work folder once the packing has emptied it (never a folder that still holds files).
CommandLine remove_folder_line(const std::string& V);

}  // namespace zembrel
