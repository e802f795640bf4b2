#include "UnprivilegedUser.h"

#include <unistd.h>

UnprivilegedUser::UnprivilegedUser()
{
    if (::geteuid() != 0)
        return;
    // The effective ids only, so that the destructor can take root's rights back.
    dropped_ = ::setegid(65534) == 0 && ::seteuid(65534) == 0;
    if (!dropped_) {
        ::setegid(0);
        ok_ = false;
    }
}

UnprivilegedUser::~UnprivilegedUser()
{
    if (dropped_) {
        [[maybe_unused]] const int a = ::seteuid(0);
        [[maybe_unused]] const int b = ::setegid(0);
    }
}
