#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace vantoro {

// An owning list in insertion order: what it holds lives exactly as long as the list
// (or until taken out), so rows and cached editors are freed with their owner.
template <class T>
class CMyTypedPtrList {
public:
    CMyTypedPtrList() { m_items.reserve(kBlockSize); }
    CMyTypedPtrList(const CMyTypedPtrList&) = delete;
    CMyTypedPtrList& operator=(const CMyTypedPtrList&) = delete;

    // Takes ownership and returns the element for the caller to go on setting up.
    T* AddTail(std::unique_ptr<T> item) {
        m_items.push_back(std::move(item));
        return m_items.back().get();
    }
    void RemoveAll() { m_items.clear(); }

    std::size_t GetCount() const { return m_items.size(); }
    bool IsEmpty() const { return m_items.empty(); }
    T* GetAt(std::size_t index) const { return m_items[index].get(); }

    class Iterator {
    public:
        using Inner = typename std::vector<std::unique_ptr<T>>::const_iterator;
        explicit Iterator(Inner inner) : m_inner(inner) {}
        T* operator*() const { return m_inner->get(); }
        Iterator& operator++() {
            ++m_inner;
            return *this;
        }
        bool operator==(const Iterator&) const = default;

    private:
        Inner m_inner;
    };
    Iterator begin() const { return Iterator(m_items.cbegin()); }
    Iterator end() const { return Iterator(m_items.cend()); }

private:
    static constexpr std::size_t kBlockSize = 10;
    std::vector<std::unique_ptr<T>> m_items;
};

}  // namespace vantoro
