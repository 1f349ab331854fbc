#include "query/FilterLexer.h"

#include <array>
#include <cctype>

namespace {

// Longest first, so that "<=" is never read as "<" then "=".
constexpr std::array<std::string_view, 14> kOperators{
    "&&", "||", "==", "!=", "<=", ">=", "<", ">", "!", "(", ")", "{", "}", ",",
};

bool IsWordStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '_'; }
bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }
// Numbers take hex digits, the 'x' of 0x and the separators of a time.
bool IsNumberChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == ':' || c == '.'; }

}  // namespace

std::string FilterToken::Quoted() const {
  switch (kind) {
    case Kind::End:
      return "the end of the expression";
    case Kind::Text:
      return '"' + text + '"';
    case Kind::Unterminated:
      return "a text without its closing '\"'";
    default:
      return '\'' + text + '\'';
  }
}

std::vector<FilterToken> SplitFilterTokens(std::string_view s) {
  std::vector<FilterToken> tokens;
  size_t i = 0;
  while (true) {
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])) != 0) ++i;
    const size_t column = i + 1;
    if (i >= s.size()) {
      tokens.push_back({FilterToken::Kind::End, {}, column});
      return tokens;
    }
    const char c = s[i];
    if (IsWordStart(c)) {
      const size_t start = i;
      while (i < s.size() && IsWordChar(s[i])) ++i;
      tokens.push_back({FilterToken::Kind::Word, std::string(s.substr(start, i - start)), column});
    } else if (std::isdigit(static_cast<unsigned char>(c)) != 0) {
      const size_t start = i;
      while (i < s.size() && IsNumberChar(s[i])) ++i;
      tokens.push_back({FilterToken::Kind::Number, std::string(s.substr(start, i - start)), column});
    } else if (c == '"') {
      std::string text;
      ++i;
      bool closed = false;
      while (i < s.size()) {
        if (s[i] == '"') {
          closed = true;
          ++i;
          break;
        }
        if (s[i] == '\\' && i + 1 < s.size()) ++i;
        text += s[i++];
      }
      tokens.push_back({closed ? FilterToken::Kind::Text : FilterToken::Kind::Unterminated, text, column});
    } else {
      FilterToken token{FilterToken::Kind::Invalid, std::string(1, c), column};
      for (std::string_view op : kOperators) {
        if (s.substr(i).starts_with(op)) {
          token = {FilterToken::Kind::Operator, std::string(op), column};
          break;
        }
      }
      i += token.text.size();
      tokens.push_back(token);
    }
  }
}
