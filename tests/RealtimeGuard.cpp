#include "tests/RealtimeGuard.h"

#include <dlfcn.h>
#include <pthread.h>

#include <algorithm>
#include <cstdlib>
#include <new>

namespace
{
thread_local bool counting = false;
std::atomic<long> allocationCount { 0 };
std::atomic<long> lockCount { 0 };

void* allocate (std::size_t size)
{
    if (counting)
        ++allocationCount;
    if (void* p = std::malloc (size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

void* allocateAligned (std::size_t size, std::align_val_t alignment)
{
    if (counting)
        ++allocationCount;
    void* p = nullptr;
    if (posix_memalign (&p, std::max (sizeof (void*), (std::size_t) alignment), size == 0 ? 1 : size) == 0)
        return p;
    throw std::bad_alloc();
}

using LockFunction = int (*) (pthread_mutex_t*);

LockFunction nextLock (const char* name)
{
    return reinterpret_cast<LockFunction> (dlsym (RTLD_NEXT, name));
}

// Resolved before main, so no lookup happens while counting.
const LockFunction realLock = nextLock ("pthread_mutex_lock");
const LockFunction realTryLock = nextLock ("pthread_mutex_trylock");
} // namespace

void* operator new (std::size_t size) { return allocate (size); }
void* operator new[] (std::size_t size) { return allocate (size); }
void* operator new (std::size_t size, const std::nothrow_t&) noexcept { return counting ? (++allocationCount, std::malloc (size)) : std::malloc (size); }
void* operator new[] (std::size_t size, const std::nothrow_t&) noexcept { return counting ? (++allocationCount, std::malloc (size)) : std::malloc (size); }
void* operator new (std::size_t size, std::align_val_t alignment) { return allocateAligned (size, alignment); }
void* operator new[] (std::size_t size, std::align_val_t alignment) { return allocateAligned (size, alignment); }
void operator delete (void* p) noexcept { std::free (p); }
void operator delete[] (void* p) noexcept { std::free (p); }
void operator delete (void* p, std::size_t) noexcept { std::free (p); }
void operator delete[] (void* p, std::size_t) noexcept { std::free (p); }
void operator delete (void* p, std::align_val_t) noexcept { std::free (p); }
void operator delete[] (void* p, std::align_val_t) noexcept { std::free (p); }
void operator delete (void* p, std::size_t, std::align_val_t) noexcept { std::free (p); }
void operator delete[] (void* p, std::size_t, std::align_val_t) noexcept { std::free (p); }

extern "C" int pthread_mutex_lock (pthread_mutex_t* mutex)
{
    if (counting)
        ++lockCount;
    return realLock (mutex);
}

extern "C" int pthread_mutex_trylock (pthread_mutex_t* mutex)
{
    if (counting)
        ++lockCount;
    return realTryLock (mutex);
}

namespace RealtimeGuard
{
Counts counts()
{
    return { allocationCount.load(), lockCount.load() };
}

void resetCounts()
{
    allocationCount = 0;
    lockCount = 0;
}

Scope::Scope() { counting = true; }
Scope::~Scope() { counting = false; }
} // namespace RealtimeGuard
