#pragma once
// The pieces rhotool's verbs share: exit codes, the loaded tiling with its
// shell, reading and writing through the editor's own file code, and the
// verbs that apply the matching rules (RhoToolRules.cpp).

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "app/HeadlessShell.h"
#include "edit/Creation.h"
#include "tiling/Tiling.h"

namespace rho::rhotool {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kBadArgument = 2;

// The short usage printed after a usage error (RhoToolHelp.cpp).
const std::string& usage();
// The text of "rhotool --help", with every verb, option and an example each.
std::string fullHelp();
// The text of "rhotool VERB --help"; false for an unknown verb.
bool verbHelp(const std::string& verb, std::string& text);
// "rhotool VERSION".
std::string versionText();

struct Session {
    HeadlessShell shell;
    std::unique_ptr<Tiling> tiling = createTiling(shell);
};

bool parseInt(const std::string& text, int& value);

// Reads the tiling; on failure says why on standard error.
bool load(Session& s, const std::string& path, std::ostream& err);
// Writes the tiling all or nothing; on failure says why on standard error.
bool save(Session& s, const std::string& path, std::ostream& err);
// The reason and the usage text on standard error; returns kBadArgument.
int badArgument(std::ostream& err, const std::string& why);

// orient IN -o OUT, rules IN, force IN -o OUT, deflate IN -o OUT [--times K],
// compose IN -o OUT; `a` holds the verb and its arguments.
int orientVerb(const std::vector<std::string>& a, std::ostream& out, std::ostream& err);
int rulesVerb(const std::vector<std::string>& a, std::ostream& out, std::ostream& err);
int forceVerb(const std::vector<std::string>& a, std::ostream& out, std::ostream& err);
int deflateVerb(const std::vector<std::string>& a, std::ostream& out, std::ostream& err);
int composeVerb(const std::vector<std::string>& a, std::ostream& out, std::ostream& err);

}  // namespace rho::rhotool
