#ifndef FREETRACKER_H
#define FREETRACKER_H

// Records which pointers the program frees, so a test can prove that a record was deleted (and
// which one) without touching freed memory. Include in exactly one source file per test binary:
// it replaces the global operator new and delete (both go on to malloc and free, so the address
// sanitizer still sees every block).

#include <cstdlib>
#include <new>
#include <set>

namespace freetracker {

inline bool &enabled()
{
    static bool on = false;
    return on;
}

inline std::set<const void *> &freed()
{
    static std::set<const void *> *s = new std::set<const void *>;
    return *s;
}

// Starts recording from an empty set.
inline void start()
{
    enabled() = false;
    freed().clear();
    enabled() = true;
}

inline void stop()
{
    enabled() = false;
}

inline bool wasFreed(const void *p)
{
    return freed().count(p) != 0;
}

inline void note(void *p)
{
    if (p && enabled()) {
        enabled() = false; // the set's own allocations are not recorded
        freed().insert(p);
        enabled() = true;
    }
}

} // namespace freetracker

// Every plain (not over-aligned) form is replaced, so that no block is taken by one allocator and
// given back to another.
void *operator new(std::size_t n)
{
    if (void *p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}

void *operator new[](std::size_t n)
{
    return operator new(n);
}

void *operator new(std::size_t n, const std::nothrow_t &) noexcept
{
    return std::malloc(n ? n : 1);
}

void *operator new[](std::size_t n, const std::nothrow_t &) noexcept
{
    return std::malloc(n ? n : 1);
}

void operator delete(void *p) noexcept
{
    freetracker::note(p);
    std::free(p);
}

void operator delete(void *p, std::size_t) noexcept
{
    freetracker::note(p);
    std::free(p);
}

void operator delete[](void *p) noexcept
{
    freetracker::note(p);
    std::free(p);
}

void operator delete[](void *p, std::size_t) noexcept
{
    freetracker::note(p);
    std::free(p);
}

void operator delete(void *p, const std::nothrow_t &) noexcept
{
    freetracker::note(p);
    std::free(p);
}

void operator delete[](void *p, const std::nothrow_t &) noexcept
{
    freetracker::note(p);
    std::free(p);
}

#endif // FREETRACKER_H
