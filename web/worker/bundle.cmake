# Writes the page's worker script: the module and the worker's own code inside one function,
# whose source the page hands to a worker through a Blob URL.
#   cmake -DMODULE=pennatran.js -DWORKER=engine_worker.js -DOUT=pennatran-worker.js -P bundle.cmake
file(READ ${MODULE} module)
file(READ ${WORKER} worker)
file(WRITE ${OUT} "// The page's engine worker: made by web/worker/bundle.cmake; see web/page/engine.js.\n"
     "function PennatranWorkerMain() {\n${module}\n${worker}\n}\n")
