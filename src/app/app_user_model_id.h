// The taskbar's identity of the launcher for one folder and one set of
// options: every folder pinned side by side gets a button of its own, and
// the windows of a run group under the button that started it.
#pragma once

#include <string>
#include <vector>

namespace trm {

// One text per folder however it is written: "/" read as "\", a relative
// path taken from base, "." and ".." resolved, no trailing separator but a
// root's, A-Z folded. 8.3 names are the caller's to resolve.
std::string canonicalFolder(const std::string& folder, const std::string& base);

// "Trellimond.Folder." and 16 hex digits: the FNV-1a 64-bit hash of the
// canonical folder and the options (known keywords A-Z folded and written
// with "-", values as typed). Fits the system's form: dot-separated, no
// spaces, far below 128 characters.
std::string appUserModelId(const std::string& folder, const std::vector<std::string>& options,
                           const std::string& base = std::string());

// Whether the process must set id itself. Started from a shortcut that
// carries an ID, the system has applied it already (titleIsId: the
// start-up title holds it), and setting the same again only costs the
// start loading the shell.
bool mustSetAppUserModelId(bool titleIsId, const std::string& title, const std::string& id);

}  // namespace trm
