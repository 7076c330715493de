#include "platform/Wildcard.h"
#include "platform/TextCase.h"

#include <bitset>
#include <vector>

namespace platform {
namespace {

unsigned char fold(unsigned char c) {
  return static_cast<unsigned char>(foldAscii(static_cast<char>(c)));
}

struct Token {
  enum Kind { Star, Any, Set } kind;
  std::bitset<256> set;  // Set: the characters it accepts, folded
};

Token single(unsigned char c) {
  Token token{Token::Set, {}};
  token.set.set(fold(c));
  return token;
}

std::optional<std::vector<Token>> parse(std::string_view mask, bool sets) {
  std::vector<Token> tokens;
  for (std::size_t i = 0; i < mask.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(mask[i]);
    if (c == '*') {
      if (tokens.empty() || tokens.back().kind != Token::Star) tokens.push_back({Token::Star, {}});
    } else if (c == '?') {
      tokens.push_back({Token::Any, {}});
    } else if (c == '[' && sets) {
      const std::size_t close = mask.find(']', i + 1);
      if (close == std::string_view::npos) return std::nullopt;
      std::string_view body = mask.substr(i + 1, close - i - 1);
      const bool negated = !body.empty() && body.front() == '!';
      if (negated) body.remove_prefix(1);
      Token token{Token::Set, {}};
      for (std::size_t j = 0; j < body.size(); ++j) {
        const unsigned char low = fold(static_cast<unsigned char>(body[j]));
        unsigned char high = low;
        if (j + 2 < body.size() && body[j + 1] == '-') {
          high = fold(static_cast<unsigned char>(body[j + 2]));
          j += 2;
        }
        for (unsigned v = low; v <= high; ++v) token.set.set(v);
      }
      if (negated) token.set.flip();
      tokens.push_back(token);
      i = close;
    } else {
      tokens.push_back(single(c));
    }
  }
  return tokens;
}

bool accepts(const Token& token, unsigned char c) {
  return token.kind == Token::Any || token.set.test(fold(c));
}

// Glob match with backtracking to the last star only: linear in practice, never exponential.
bool match(std::string_view name, const std::vector<Token>& tokens, std::size_t count) {
  std::size_t n = 0, t = 0, starToken = count, starName = 0;
  while (n < name.size()) {
    if (t < count && tokens[t].kind == Token::Star) {
      starToken = t++;
      starName = n;
    } else if (t < count && accepts(tokens[t], static_cast<unsigned char>(name[n]))) {
      ++t;
      ++n;
    } else if (starToken != count) {
      t = starToken + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (t < count && tokens[t].kind == Token::Star) ++t;
  return t == count;
}

std::optional<bool> matches(std::string_view name, std::string_view mask, bool sets) {
  const auto tokens = parse(mask, sets);
  if (!tokens) return std::nullopt;
  if (tokens->empty()) return name.empty();
  if (match(name, *tokens, tokens->size())) return true;
  // "name.*" also matches "name": a missing extension counts as an empty one.
  if (mask.size() >= 2 && mask.substr(mask.size() - 2) == ".*" &&
      name.find('.') == std::string_view::npos) {
    return match(name, *tokens, tokens->size() - 2);
  }
  return false;
}

}  // namespace

bool matchesMask(std::string_view name, std::string_view mask) {
  if (mask.empty()) return false;
  return matches(name, mask, false).value_or(false);
}

std::optional<bool> matchesMaskWithSets(std::string_view name, std::string_view mask) {
  return matches(name, mask, true);
}

}  // namespace platform
