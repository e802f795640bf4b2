#pragma once

// Tests run as root, who may write anywhere. While one of these lives, a root process acts as
// the user "nobody" (uid and gid 65534), so folder permissions hold again; for a normal user
// nothing changes. Files a test wants "nobody" to reach must be open to others.
class UnprivilegedUser
{
public:
    UnprivilegedUser();
    ~UnprivilegedUser();
    UnprivilegedUser(const UnprivilegedUser &) = delete;
    UnprivilegedUser &operator=(const UnprivilegedUser &) = delete;
    // False when the process is root and could not drop its rights: skip the test then.
    bool ok() const { return ok_; }

private:
    bool ok_ = true;
    bool dropped_ = false;
};
