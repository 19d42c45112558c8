#include "predictions/PredictionScore.h"

#include "predictions/PredictionFigures.h"

PredictionScore scorePrediction(const Tournament &prediction, const Tournament &results)
{
    return scoreFigures(predictionFigures(prediction), predictionFigures(results));
}
