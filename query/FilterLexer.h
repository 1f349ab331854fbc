// The words, numbers, texts and operators of a filter expression, each with
// the column it starts at, so that an error can point at it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct FilterToken {
  enum class Kind { Word, Number, Text, Operator, Unterminated, Invalid, End };
  Kind kind;
  std::string text;  // a Text token holds its contents with the escapes resolved
  size_t column;     // from 1

  // How an error message names the token: 'pgn', "WP017", the end.
  std::string Quoted() const;
};

// Always ends with an End token; never fails, bad characters become Invalid
// tokens for the parser to report.
std::vector<FilterToken> SplitFilterTokens(std::string_view expression);
