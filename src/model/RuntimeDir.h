// The per-user runtime folder Qt asks for at start (XDG_RUNTIME_DIR). Where the session
// names none (a login over ssh, a service, a container), Qt falls back to a folder in the
// temp dir and warns on stderr; the programs prepare such a private folder themselves.
#pragma once

class RuntimeDir {
public:
    // Call before the application object. Does nothing when the variable is set, and
    // leaves it unset (Qt then says why) when the folder cannot be made private.
    static void ensure();
};
