#include "gateway/GatewayEngine.h"

uint32_t InitEngine(GatewayEngine& engine, const uint8_t* image, size_t length, uint32_t now) {
  const uint32_t opened = OpenDatabaseImage(engine.database, image, length);
  const DatabaseImageView& database = engine.database;
  engine.n2kPlans.Build(database);
  engine.n183Plans.Build(database);

  Init(&engine.n2kRepository, database, kN2kRepository);
  Init(&engine.n183Repository, database, kN183Repository);

  engine.timeSource = TimeSourceSelector{};
  engine.timeSource.n2k = &engine.n2kRepository;
  engine.timeSource.n183 = &engine.n183Repository;

  engine.n183Receive = N183ReceiveContext{};
  engine.n183Receive.repository = &engine.n183Repository;
  engine.n183Receive.database = &database;
  engine.n183Receive.pendingPgn = &engine.messageBuilder.pendingPgn;
  engine.n183Receive.timeSource = &engine.timeSource.selection;

  engine.n2kReceive = N2kReceiveContext{};
  engine.n2kReceive.repository = &engine.n2kRepository;
  engine.n2kReceive.database = &database;
  engine.n2kReceive.plans = &engine.n2kPlans;

  engine.messageBuilder = N2kMessageBuilder{};
  engine.messageBuilder.repository = &engine.n183Repository;
  engine.messageBuilder.database = &database;
  engine.messageBuilder.plans = &engine.n2kPlans;

  engine.sentenceBuilder = N183SentenceBuilder{};
  engine.sentenceBuilder.repository = &engine.n2kRepository;
  engine.sentenceBuilder.database = &database;
  engine.sentenceBuilder.plans = &engine.n183Plans;

  engine.n183Controller = N183Controller{};
  engine.n183Controller.builder = &engine.sentenceBuilder;
  StartN183Controller(engine.n183Controller, database, now);
  engine.n2kController = N2kController{};
  engine.n2kController.builder = &engine.messageBuilder;
  StartN2kController(engine.n2kController, database, now);
  return opened;
}
