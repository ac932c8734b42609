#include "runtime/PtrList.h"

void PtrList::append(void* data) {
    PtrNode* node = new PtrNode{data, nullptr};
    if (head != nullptr || tail != nullptr)
        tail->next = node;
    else
        head = node;
    tail = node;
    ++count;
}

void PtrList::clear() {
    while (head != nullptr) {
        PtrNode* node = head;
        head = node->next;
        if (head == nullptr) tail = nullptr;
        delete node;
        --count;
    }
    count = 0;
}
