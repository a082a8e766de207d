// The combination rule: sum pass, then the product pass (products of two and
// chains of three or more), then the quotient pass (quotients of two).
#include "engine/CombinationRule.h"

#include <string_view>
#include <vector>

#include "engine/Cp1254.h"
#include "engine/Errors.h"

namespace velsira {
namespace {

bool joinsChain(std::string_view op) { return op == "*" || op == "/"; }

// The items of one combination, with the operator reading rule: before the
// first item and from the last item on, the operator is the empty text.
class Items {
 public:
  Items(long n, const std::function<CombinationItem(long)>& item) : n_(n), item_(item) {
    items_.reserve(static_cast<size_t>(n) + 1);
    for (long k = 0; k < n; ++k) items_.push_back(item(k));
  }

  long count() const { return n_; }
  std::string_view op(long k) const {
    if (k < 0 || k >= n_) return {};
    return items_[static_cast<size_t>(k)].op;
  }
  // T(k) and D(k) for 0 <= k <= n; item n is fetched on first use.
  const std::string& T(long k) { return at(k).source; }
  const std::string& D(long k) { return at(k).derivative; }

 private:
  const CombinationItem& at(long k) {
    if (k == n_ && static_cast<long>(items_.size()) == n_) items_.push_back(item_(n_));
    return items_[static_cast<size_t>(k)];
  }

  long n_;
  const std::function<CombinationItem(long)>& item_;
  std::vector<CombinationItem> items_;
};

struct Chain {
  long first;
  long last;  // at most n: a chain may end on the item after the last
};

// The maximal runs of two or more items joined by "*" or "/", left to right.
std::vector<Chain> findChains(const Items& items) {
  std::vector<Chain> chains;
  const long n = items.count();
  for (long j = 0; j < n; ++j) {
    if (!joinsChain(items.op(j)) || joinsChain(items.op(j - 1))) continue;
    long m = j;
    while (m < n && joinsChain(items.op(m))) ++m;
    chains.push_back({j, m});
  }
  return chains;
}

// The product text of two items j and j+1.
std::string productText(Items& items, long j, char sign) {
  std::string s(1, sign);
  s += items.D(j);
  s += '*';
  s += items.T(j + 1);
  s += sign;
  s += items.D(j + 1);
  s += '*';
  s += items.T(j);
  return s;
}

// The quotient text of two items j and j+1.
std::string quotientText(Items& items, long j, char sign) {
  std::string s(1, sign);
  s += '(';
  s += items.D(j);
  s += '*';
  s += items.T(j + 1);
  s += '-';
  s += items.D(j + 1);
  s += '*';
  s += items.T(j);
  s += ")/(";
  s += items.T(j + 1);
  s += ')';
  s += kSquare;
  return s;
}

// The text of a chain of three or more items, built left to right:
// U is the chain so far, V its derivative; for each next item k after the
// operator o, "*" makes V = (V*T(k)+D(k)*U) and "/" makes
// V = ((V*T(k)-D(k)*U)/(T(k))²), then U = (U o T(k)). The opening
// parentheses of V and U are counted rather than prepended, so the text is
// built in time proportional to its length.
std::string chainText(Items& items, const Chain& chain, char sign) {
  std::string body = items.D(chain.first);
  size_t opens = 0;
  std::string uBody = items.T(chain.first);
  size_t uOpens = 0;
  for (long k = chain.first + 1; k <= chain.last; ++k) {
    const std::string_view o = items.op(k - 1);
    const std::string& t = items.T(k);
    const bool product = o == "*";
    opens += product ? 1 : 2;
    body += '*';
    body += t;
    body += product ? '+' : '-';
    body += items.D(k);
    body += '*';
    body.append(uOpens, '(');
    body += uBody;
    if (product) {
      body += ')';
    } else {
      body += ")/(";
      body += t;
      body += ')';
      body += kSquare;
      body += ')';
    }
    ++uOpens;
    uBody += o;
    uBody += t;
    uBody += ')';
    // The text of a long chain grows with the square of its length.
    checkTextLength(body.size() + opens);
  }
  std::string v(1, sign);
  v.append(opens, '(');
  v += body;
  return v;
}

}  // namespace

std::string CombineDerivatives(long n, const std::function<CombinationItem(long)>& item) {
  Items items(n, item);
  std::string acc = "(";
  // Sum pass.
  for (long k = 0; k < n; ++k) {
    if (joinsChain(items.op(k)) || joinsChain(items.op(k - 1))) continue;
    acc += items.op(k - 1);
    acc += items.D(k);
  }
  const std::vector<Chain> chains = findChains(items);
  // Product pass: products of two, and every chain of three or more.
  for (const Chain& c : chains) {
    const char sign = items.op(c.first - 1) == "-" ? '-' : '+';
    if (c.last - c.first >= 2)
      acc += chainText(items, c, sign);
    else if (items.op(c.first) == "*")
      acc += productText(items, c.first, sign);
    checkTextLength(acc.size());
  }
  // Quotient pass: quotients of two.
  for (const Chain& c : chains) {
    if (c.last - c.first == 1 && items.op(c.first) == "/") {
      const char sign = items.op(c.first - 1) == "-" ? '-' : '+';
      acc += quotientText(items, c.first, sign);
      checkTextLength(acc.size());
    }
  }
  acc += ')';
  checkTextLength(acc.size());
  return acc;
}

}  // namespace velsira
