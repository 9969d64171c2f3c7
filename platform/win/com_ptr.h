// RAII owners for COM: an interface pointer, and the thread's membership in a COM apartment.
#pragma once

#include <objbase.h>

#include <utility>

// Owns one reference to a COM interface and releases it when it goes.
template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    // Takes over a reference the caller already holds.
    explicit ComPtr(Interface* pointer) : m_pointer(pointer) {}
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : m_pointer(other.Release()) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    ~ComPtr() { Reset(); }

    Interface* Get() const { return m_pointer; }
    Interface* operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }
    Interface* Release() { return std::exchange(m_pointer, nullptr); }
    void Reset(Interface* pointer = nullptr) {
        if (m_pointer != nullptr) {
            m_pointer->Release();
        }
        m_pointer = pointer;
    }
    // For the void** out-parameters of CoCreateInstance and QueryInterface: releases the
    // current reference and hands out the slot.
    void** ReceiveVoid() {
        Reset();
        return reinterpret_cast<void**>(&m_pointer);
    }

    // Asks for another interface of the same object; `other` stays empty on failure.
    template <typename Other>
    HRESULT QueryInterface(REFIID id, ComPtr<Other>& other) const {
        return m_pointer->QueryInterface(id, other.ReceiveVoid());
    }

private:
    Interface* m_pointer = nullptr;
};

// Joins the calling thread to a single-threaded apartment for the owner's lifetime. A thread
// that is already in an apartment keeps it: a repeated join is counted and undone here, a thread
// in the multithreaded apartment stays there and COM is usable all the same.
class ScopedComApartment {
public:
    ScopedComApartment() : m_result(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ScopedComApartment(const ScopedComApartment&) = delete;
    ScopedComApartment& operator=(const ScopedComApartment&) = delete;
    ~ScopedComApartment() {
        if (SUCCEEDED(m_result)) {
            ::CoUninitialize();
        }
    }

private:
    HRESULT m_result;
};
