#include "cleaner/FileMask.h"

#include <bitset>
#include <vector>

namespace {

unsigned char Fold(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; }

struct Token {
  enum Kind { Star, Any, Set } kind;
  std::bitset<256> set;  // Set: the characters it accepts, folded
};

std::optional<std::vector<Token>> Parse(std::string_view mask) {
  std::vector<Token> tokens;
  for (std::size_t i = 0; i < mask.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(mask[i]);
    if (c == '*') {
      if (tokens.empty() || tokens.back().kind != Token::Star) tokens.push_back({Token::Star, {}});
    } else if (c == '?') {
      tokens.push_back({Token::Any, {}});
    } else if (c == '[') {
      std::size_t close = mask.find(']', i + 1);
      if (close == std::string_view::npos) return std::nullopt;
      std::string_view body = mask.substr(i + 1, close - i - 1);
      bool negated = !body.empty() && body.front() == '!';
      if (negated) body.remove_prefix(1);
      Token token{Token::Set, {}};
      for (std::size_t j = 0; j < body.size(); ++j) {
        unsigned char low = Fold(static_cast<unsigned char>(body[j]));
        unsigned char high = low;
        if (j + 2 < body.size() && body[j + 1] == '-') {
          high = Fold(static_cast<unsigned char>(body[j + 2]));
          j += 2;
        }
        for (unsigned v = low; v <= high; ++v) token.set.set(v);
      }
      if (negated) token.set.flip();
      tokens.push_back(token);
      i = close;
    } else {
      Token token{Token::Set, {}};
      token.set.set(Fold(c));
      tokens.push_back(token);
    }
  }
  return tokens;
}

bool Accepts(const Token& token, unsigned char c) {
  return token.kind == Token::Any || token.set.test(Fold(c));
}

// Glob match with backtracking to the last star only: linear in practice, never exponential.
bool Match(std::string_view name, const std::vector<Token>& tokens, std::size_t count) {
  std::size_t n = 0, t = 0, starToken = count, starName = 0;
  while (n < name.size()) {
    if (t < count && tokens[t].kind == Token::Star) {
      starToken = t++;
      starName = n;
    } else if (t < count && Accepts(tokens[t], static_cast<unsigned char>(name[n]))) {
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

}  // namespace

std::optional<bool> MatchesFileMask(std::string_view name, std::string_view mask) {
  auto tokens = Parse(mask);
  if (!tokens) return std::nullopt;
  if (tokens->empty()) return name.empty();
  if (Match(name, *tokens, tokens->size())) return true;
  // "name.*" also matches "name": a missing extension counts as an empty one.
  if (mask.size() >= 2 && mask.substr(mask.size() - 2) == ".*" &&
      name.find('.') == std::string_view::npos) {
    return Match(name, *tokens, tokens->size() - 2);
  }
  return false;
}
