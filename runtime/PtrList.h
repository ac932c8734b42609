#pragma once
// A singly linked list of pointers it does not own: the timeline's scenes, the texture registry's
// entries and the console's queued lines all sit in one.
#include <cstdint>

struct PtrNode {
    void* data;
    PtrNode* next;
};

struct PtrList {
    PtrList() = default;
    ~PtrList() { clear(); }
    PtrList(const PtrList&) = delete;
    PtrList& operator=(const PtrList&) = delete;

    void append(void* data);
    // Frees every node; the elements are left alone.
    void clear();

    PtrNode* head = nullptr;
    PtrNode* tail = nullptr;
    int32_t count = 0;
};
