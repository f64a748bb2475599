// CArray: an ordered array of copies, over std::vector.
#pragma once

#include "afxbase.h"

#include <cstddef>
#include <stdexcept>
#include <vector>

// An index or range outside the array throws std::out_of_range (and a
// negative size std::invalid_argument); nothing is read or written then.
template <class TYPE, class ARG_TYPE>
class CArray
{
public:
    CArray() = default;
    CArray(const CArray&) = delete;
    CArray& operator=(const CArray&) = delete;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_data.empty() ? TRUE : FALSE; }

    TYPE GetAt(INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_data[Checked(nIndex)]; }
    const TYPE& operator[](INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
    TYPE& operator[](INT_PTR nIndex) { return m_data[Checked(nIndex)]; }

    INT_PTR Add(ARG_TYPE newElement)
    {
        m_data.push_back(newElement);
        return GetSize() - 1;
    }

    void RemoveAll() { m_data.clear(); }

    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount < 0 || nIndex > GetSize() || nCount > GetSize() - nIndex)
            throw std::out_of_range("CArray::RemoveAt: range outside the array");
        const auto first = m_data.begin() + static_cast<std::ptrdiff_t>(nIndex);
        m_data.erase(first, first + static_cast<std::ptrdiff_t>(nCount));
    }

    // Grows with default-constructed elements or drops elements at the end.
    void SetSize(INT_PTR nNewSize)
    {
        if (nNewSize < 0)
            throw std::invalid_argument("CArray::SetSize: negative size");
        m_data.resize(static_cast<std::size_t>(nNewSize));
    }

private:
    std::size_t Checked(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= GetSize())
            throw std::out_of_range("CArray: index outside the array");
        return static_cast<std::size_t>(nIndex);
    }

    std::vector<TYPE> m_data;
};
