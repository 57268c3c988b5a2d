#pragma once
// Small typed containers for the program's arrays, which are zero-based with inclusive upper bounds:
// Array3<int32_t> a(4, 2, 1) has indexes 0..4 x 0..2 x 0..1.
#include <algorithm>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

template <typename T> class Array2 {
  public:
    Array2() = default;
    // Upper bounds, inclusive; a negative bound gives an empty array.
    Array2(int32_t ub0, int32_t ub1) { Redim(ub0, ub1); }

    void Redim(int32_t ub0, int32_t ub1) {
        n0_ = ub0 < 0 ? 0 : ub0 + 1;
        n1_ = ub1 < 0 ? 0 : ub1 + 1;
        data_.assign(static_cast<size_t>(n0_) * static_cast<size_t>(n1_), T{});
    }
    void Clear() { Redim(-1, -1); }
    int32_t Ubound0() const { return n0_ - 1; }
    int32_t Ubound1() const { return n1_ - 1; }
    bool Empty() const { return data_.empty(); }
    bool Valid(int64_t i, int64_t j) const { return i >= 0 && j >= 0 && i < n0_ && j < n1_; }

    T& operator()(int32_t i, int32_t j) {
        assert(Valid(i, j));
        return data_[index(i, j)];
    }
    const T& operator()(int32_t i, int32_t j) const {
        assert(Valid(i, j));
        return data_[index(i, j)];
    }
    // Reading outside the bounds gives the default value; writing outside is ignored.
    T Get(int64_t i, int64_t j) const { return Valid(i, j) ? data_[index(i, j)] : T{}; }
    void Set(int64_t i, int64_t j, T v) {
        if (Valid(i, j)) data_[index(i, j)] = std::move(v);
    }
    void Fill(const T& v) { std::fill(data_.begin(), data_.end(), v); }
    bool operator==(const Array2&) const = default;

  private:
    size_t index(int64_t i, int64_t j) const { return static_cast<size_t>(i) * n1_ + static_cast<size_t>(j); }
    int32_t n0_ = 0, n1_ = 0;
    std::vector<T> data_;
};

template <typename T> class Array3 {
  public:
    Array3() = default;
    Array3(int32_t ub0, int32_t ub1, int32_t ub2) { Redim(ub0, ub1, ub2); }

    void Redim(int32_t ub0, int32_t ub1, int32_t ub2) {
        n0_ = ub0 < 0 ? 0 : ub0 + 1;
        n1_ = ub1 < 0 ? 0 : ub1 + 1;
        n2_ = ub2 < 0 ? 0 : ub2 + 1;
        data_.assign(static_cast<size_t>(n0_) * static_cast<size_t>(n1_) * static_cast<size_t>(n2_), T{});
    }
    void Clear() { Redim(-1, -1, -1); }
    int32_t Ubound0() const { return n0_ - 1; }
    int32_t Ubound1() const { return n1_ - 1; }
    int32_t Ubound2() const { return n2_ - 1; }
    bool Empty() const { return data_.empty(); }
    bool Valid(int64_t i, int64_t j, int64_t k) const {
        return i >= 0 && j >= 0 && k >= 0 && i < n0_ && j < n1_ && k < n2_;
    }

    T& operator()(int32_t i, int32_t j, int32_t k) {
        assert(Valid(i, j, k));
        return data_[index(i, j, k)];
    }
    const T& operator()(int32_t i, int32_t j, int32_t k) const {
        assert(Valid(i, j, k));
        return data_[index(i, j, k)];
    }
    T Get(int64_t i, int64_t j, int64_t k) const { return Valid(i, j, k) ? data_[index(i, j, k)] : T{}; }
    void Set(int64_t i, int64_t j, int64_t k, T v) {
        if (Valid(i, j, k)) data_[index(i, j, k)] = std::move(v);
    }
    void Fill(const T& v) { std::fill(data_.begin(), data_.end(), v); }
    bool operator==(const Array3&) const = default;

  private:
    size_t index(int64_t i, int64_t j, int64_t k) const {
        return (static_cast<size_t>(i) * n1_ + static_cast<size_t>(j)) * n2_ + static_cast<size_t>(k);
    }
    int32_t n0_ = 0, n1_ = 0, n2_ = 0;
    std::vector<T> data_;
};
