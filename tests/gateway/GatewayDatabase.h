// The full gateway database, built once from the library for the gateway
// tests, and repositories initialised from it.
#pragma once

#include <cstdint>

#include "decode/GatewayHooks.h"
#include "gateway/Repository.h"
#include "library/DBBuilder.h"
#include "library/DBImageView.h"

inline const DatabaseImageView& FullDatabase() {
  static CDBBuilder builder;
  static DatabaseImageView view = [] {
    builder.SelectDatabase("");
    uint32_t size = 0;
    const uint8_t* image = builder.GetImage(size);
    DatabaseImageView v{};
    OpenDatabaseImage(v, image, size);
    return v;
  }();
  return view;
}

inline Repository MakeRepository(int32_t side) {
  Repository r;
  Init(&r, FullDatabase(), side);
  return r;
}

inline RepositoryValue Value(int64_t number, int exponent, ValueStatus status = VS_Valid) {
  RepositoryValue v;
  v.value = number;
  v.exponent = static_cast<int8_t>(exponent);
  v.status = status;
  return v;
}
