// The page as the tests and the benchmark load it: the visitors' page, over the module
// built with the test functions, with its core and controls at hand as globalThis.quorvel.

import { started } from "../../web/page/main.js";

started.then(({ core, controls, raise }) => {
  const call = (name, result, args) => core.module.cwrap(name, result, args);
  const handlerMicros = call("quorvel_handler_micros", "number", ["string", "number", "number"]);
  core.handlerMicros = (handler, rounds, runs) => handlerMicros(handler, rounds, runs);
  core.setMaxOrder = call("quorvel_test_set_max_order", null, ["number"]);
  globalThis.quorvel = { core, controls, raise, painted: true };
});
